#include "reader.h"

namespace tintmill::css {

namespace {

// Far deeper than any colour a person writes, and shallow enough that the
// reading's own nesting stays small.
constexpr std::size_t deepestNesting = 32;

} // namespace

TokenReader::TokenReader(const std::vector<Token> &tokens) : m_tokens(tokens) {}

const Token &TokenReader::next()
{
    const Token &token = m_tokens.at(m_at);
    if (token.kind != Token::End)
        ++m_at;
    return token;
}

bool TokenReader::nextIsIdent(std::string_view name) const
{
    return peek().kind == Token::Ident && peek().name == name;
}

bool TokenReader::take(Token::Kind kind)
{
    if (!nextIs(kind))
        return false;
    next();
    return true;
}

bool TokenReader::takeIdent(std::string_view name)
{
    if (!nextIsIdent(name))
        return false;
    next();
    return true;
}

std::nullopt_t TokenReader::fail(CssColorProblem problem, std::string_view subject)
{
    if (!m_refusal)
        m_refusal = CssColorRefusal{problem, std::string(subject)};
    return std::nullopt;
}

std::nullopt_t TokenReader::failAtNext(CssColorProblem problem)
{
    if (nextIs(Token::End) && !m_opened.empty())
        return fail(CssColorProblem::Unclosed, m_opened.back());
    return fail(problem,
                problem == CssColorProblem::Unreadable ? std::string_view() : peek().source);
}

bool TokenReader::close()
{
    if (take(Token::CloseParenthesis))
        return true;
    failAtNext();
    return false;
}

bool TokenReader::open(std::string_view opened)
{
    if (m_opened.size() >= deepestNesting) {
        fail(CssColorProblem::TooDeep);
        return false;
    }
    m_opened.push_back(opened);
    return true;
}

void TokenReader::leaveOpened()
{
    m_opened.pop_back();
}

} // namespace tintmill::css
