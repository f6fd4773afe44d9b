#pragma once

#include "core/csscolor.h"
#include "tokens.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tintmill::css {

// Walks the tokens of a colour and keeps the first reason it could not be
// read: a reading gives up at its first problem, and the innermost part that
// met it knows best what went wrong.
class TokenReader
{
public:
    explicit TokenReader(const std::vector<Token> &tokens);

    const Token &peek() const { return m_tokens.at(m_at); }
    // The next token, which is then behind; the End stays.
    const Token &next();
    bool nextIs(Token::Kind kind) const { return peek().kind == kind; }
    bool nextIsIdent(std::string_view name) const;
    // Takes the next token if it is of `kind` (or the identifier `name`).
    bool take(Token::Kind kind);
    bool takeIdent(std::string_view name);

    // Keeps `problem` unless an earlier one is kept, and gives nothing.
    std::nullopt_t fail(CssColorProblem problem, std::string_view subject = {});
    // Fails at the next token: at the end of the text inside a function that
    // is still open, because it is left unclosed; otherwise for `problem`,
    // naming the token where that problem has a subject.
    std::nullopt_t failAtNext(CssColorProblem problem = CssColorProblem::Unreadable);
    const std::optional<CssColorRefusal> &refusal() const { return m_refusal; }

    // Takes the ")" that closes the innermost function or parenthesis.
    bool close();

    // Opens a function or parenthesis, written `opened`; false, having failed,
    // when that would nest deeper than any colour needs.
    bool open(std::string_view opened);
    void leaveOpened();

private:
    const std::vector<Token> &m_tokens;
    std::size_t m_at = 0;
    std::vector<std::string_view> m_opened;
    std::optional<CssColorRefusal> m_refusal;
};

// While it lives, the reader is inside a function or parenthesis.
class Opened
{
public:
    Opened(TokenReader &reader, std::string_view opened)
        : m_reader(reader), m_open(reader.open(opened))
    {}
    ~Opened()
    {
        if (m_open)
            m_reader.leaveOpened();
    }
    Opened(const Opened &) = delete;
    Opened &operator=(const Opened &) = delete;

    // False when it could not open: too deep.
    explicit operator bool() const { return m_open; }

private:
    TokenReader &m_reader;
    bool m_open;
};

} // namespace tintmill::css
