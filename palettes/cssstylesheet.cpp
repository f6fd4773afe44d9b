#include "cssstylesheet.h"

#include "core/csstext.h"

#include <algorithm>
#include <optional>

namespace tintmill {

namespace {

constexpr char closerOf(char opener)
{
    return opener == '(' ? ')' : opener == '[' ? ']' : '}';
}

// The scheme a block applies in, inside one that applies in `outer`;
// nothing when it never applies on a screen.
std::optional<CssScheme> within(CssScheme outer, CssScheme inner)
{
    if (outer == CssScheme::Both || outer == inner)
        return inner;
    if (inner == CssScheme::Both)
        return outer;
    return std::nullopt;
}

// Whether the rules of an at-rule's block apply on a screen, and in which
// scheme. Media queries other than a colour scheme or a plain screen (a
// width, print) would colour only some pages, so they are left out.
std::optional<CssScheme> atRuleScheme(std::string_view prelude, CssScheme outer)
{
    const std::string lower = asciiLowerCase(prelude);
    std::size_t nameEnd = 1;
    while (nameEnd < lower.size() && !isCssSpace(lower[nameEnd]) && lower[nameEnd] != '(')
        ++nameEnd;
    const std::string_view name = std::string_view(lower).substr(1, nameEnd - 1);
    if (name == "supports" || name == "layer")
        return outer;
    if (name != "media")
        return std::nullopt;
    std::string query;
    std::copy_if(lower.begin() + static_cast<std::ptrdiff_t>(nameEnd), lower.end(),
                 std::back_inserter(query), [](char c) { return !isCssSpace(c); });
    if (query.find("prefers-color-scheme") != std::string::npos) {
        if (query.find("not") != std::string::npos)
            return std::nullopt;
        if (query.find("prefers-color-scheme:dark") != std::string::npos)
            return within(outer, CssScheme::Dark);
        if (query.find("prefers-color-scheme:light") != std::string::npos)
            return within(outer, CssScheme::Light);
        return std::nullopt;
    }
    if (query.empty() || query == "screen" || query == "all" || query == "onlyscreen")
        return outer;
    return std::nullopt;
}

class SheetReader
{
public:
    explicit SheetReader(std::string_view text) : m_text(text) {}

    CssStyleSheet read()
    {
        CssStyleSheet sheet;
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_at = 3;
        sheet.openingComment = openingComment();
        std::vector<CssScheme> blocks;
        while (true) {
            skipSpacesAndComments();
            if (atEnd())
                break;
            if (m_text[m_at] == '}' && !blocks.empty()) {
                blocks.pop_back();
                ++m_at;
                continue;
            }
            const CssScheme scheme = blocks.empty() ? CssScheme::Both : blocks.back();
            if (m_text[m_at] == '@') {
                if (const std::optional<CssScheme> inner = atRule(!blocks.empty(), scheme))
                    blocks.push_back(*inner);
            } else {
                qualifiedRule(!blocks.empty(), scheme, sheet.rules);
            }
        }
        return sheet;
    }

private:
    enum class Stop
    {
        OpenBrace,
        CloseBrace,
        Semicolon,
        End,
    };

    [[nodiscard]] bool atEnd() const { return m_at >= m_text.size(); }
    [[nodiscard]] bool startsWith(std::string_view prefix) const
    {
        return m_text.substr(m_at).starts_with(prefix);
    }

    std::string openingComment()
    {
        const std::size_t start = m_text.find_first_not_of(" \t\n\r\f", m_at);
        if (start == std::string_view::npos || !m_text.substr(start).starts_with("/*"))
            return {};
        const std::size_t close = m_text.find("*/", start + 2);
        if (close == std::string_view::npos)
            return {};
        const std::string_view inside = m_text.substr(start + 2, close - start - 2);
        if (inside.find_first_of("\r\n\f") != std::string_view::npos)
            return {};
        return std::string(cssTrimmed(inside));
    }

    bool skipComment()
    {
        if (!startsWith("/*"))
            return false;
        // An unclosed comment runs to the end.
        const std::size_t close = m_text.find("*/", m_at + 2);
        m_at = close == std::string_view::npos ? m_text.size() : close + 2;
        return true;
    }

    void skipSpacesAndComments()
    {
        while (!atEnd()) {
            if (isCssSpace(m_text[m_at]))
                ++m_at;
            else if (startsWith("<!--"))
                m_at += 4;
            else if (startsWith("-->"))
                m_at += 3;
            else if (!skipComment())
                return;
        }
    }

    // A string, its quotes included; an unclosed one ends at the line's end.
    void takeString(std::string *out)
    {
        const char quote = m_text[m_at];
        const std::size_t start = m_at++;
        while (!atEnd()) {
            const char c = m_text[m_at];
            if (c == '\\') {
                m_at = std::min(m_at + 2, m_text.size());
                continue;
            }
            if (c == '\n')
                break;
            ++m_at;
            if (c == quote)
                break;
        }
        if (out != nullptr)
            out->append(m_text.substr(start, m_at - start));
    }

    // Appends what stands at the position, one piece of it: a comment (as a
    // space), an escaped character, a string or a single character.
    // Returns the character taken, or 0 for anything else.
    char takePiece(std::string *out)
    {
        if (skipComment()) {
            if (out != nullptr)
                *out += ' ';
            return 0;
        }
        const char c = m_text[m_at];
        if (c == '\\') {
            const std::size_t length = std::min<std::size_t>(2, m_text.size() - m_at);
            if (out != nullptr)
                out->append(m_text.substr(m_at, length));
            m_at += length;
            return 0;
        }
        if (c == '"' || c == '\'') {
            takeString(out);
            return 0;
        }
        if (out != nullptr)
            *out += c;
        ++m_at;
        return c;
    }

    // A block from its opening bracket to the one that closes it, or to the
    // end; brackets of other kinds that do not match are part of it.
    void takeBlock(std::string *out)
    {
        std::string closers;
        while (!atEnd()) {
            const char c = takePiece(out);
            if (c == '(' || c == '[' || c == '{')
                closers += closerOf(c);
            else if (c != 0 && !closers.empty() && c == closers.back())
                closers.pop_back();
            if (closers.empty())
                return;
        }
    }

    // Appends to `out` up to a "{", "}" or (when it stops there) ";" that
    // is not inside brackets, and says which it was.
    Stop readUntil(std::string &out, bool semicolonStops)
    {
        while (!atEnd()) {
            const char c = m_text[m_at];
            if (c == '{')
                return Stop::OpenBrace;
            if (c == '}')
                return Stop::CloseBrace;
            if (c == ';' && semicolonStops)
                return Stop::Semicolon;
            if (c == '(' || c == '[')
                takeBlock(&out);
            else
                takePiece(&out);
        }
        return Stop::End;
    }

    // An at-rule: a statement is passed over, and so is a block that no
    // screen applies; the scheme of a block whose rules count.
    std::optional<CssScheme> atRule(bool nested, CssScheme scheme)
    {
        std::string prelude;
        while (true) {
            switch (readUntil(prelude, true)) {
            case Stop::End:
                return std::nullopt;
            case Stop::Semicolon:
                ++m_at;
                return std::nullopt;
            case Stop::CloseBrace:
                if (nested)
                    return std::nullopt;
                prelude += takePiece(nullptr);
                continue;
            case Stop::OpenBrace:
                break;
            }
            const std::optional<CssScheme> inner = atRuleScheme(prelude, scheme);
            if (inner)
                ++m_at;
            else
                takeBlock(nullptr);
            return inner;
        }
    }

    void qualifiedRule(bool nested, CssScheme scheme, std::vector<CssStyleRule> &rules)
    {
        std::string prelude;
        while (true) {
            switch (readUntil(prelude, false)) {
            case Stop::End:
                return;
            case Stop::CloseBrace:
                // Inside a block it closes the block; at the top it spoils
                // the selector it stands in.
                if (nested)
                    return;
                prelude += takePiece(nullptr);
                continue;
            case Stop::Semicolon:
            case Stop::OpenBrace:
                break;
            }
            ++m_at;
            rules.push_back({scheme, std::string(cssTrimmed(prelude)), declarations()});
            return;
        }
    }

    // The declarations of a style rule's block, up to the "}" that closes
    // it; rules nested in it are passed over.
    std::vector<CssDeclaration> declarations()
    {
        std::vector<CssDeclaration> found;
        while (true) {
            std::string text;
            const Stop stop = readUntil(text, true);
            if (stop == Stop::OpenBrace) {
                takeBlock(nullptr);
                continue;
            }
            if (std::optional<CssDeclaration> declaration = declarationOf(text))
                found.push_back(std::move(*declaration));
            if (stop == Stop::End)
                return found;
            ++m_at;
            if (stop == Stop::CloseBrace)
                return found;
        }
    }

    static std::optional<CssDeclaration> declarationOf(std::string_view text)
    {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        const std::string_view name = cssTrimmed(text.substr(0, colon));
        if (name.empty() || std::any_of(name.begin(), name.end(), isCssSpace))
            return std::nullopt;
        std::string_view value = cssTrimmed(text.substr(colon + 1));
        if (const std::size_t bang = value.rfind('!'); bang != std::string_view::npos) {
            if (asciiLowerCase(cssTrimmed(value.substr(bang + 1))) == "important")
                value = cssTrimmed(value.substr(0, bang));
        }
        // Custom properties keep their letter case; other names have none.
        return CssDeclaration{name.starts_with("--") ? std::string(name) : asciiLowerCase(name),
                              std::string(value)};
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

CssStyleSheet parseStyleSheet(std::string_view text)
{
    return SheetReader(text).read();
}

} // namespace tintmill
