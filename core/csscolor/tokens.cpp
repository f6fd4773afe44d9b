#include "tokens.h"

#include "core/csstext.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace tintmill::css {

namespace {

constexpr std::string_view noBreakSpace = "\xC2\xA0";
constexpr std::string_view ideographicSpace = "\xE3\x80\x80";

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Letters, "_" and anything beyond ASCII start a name, as in CSS.
constexpr bool startsName(char c)
{
    return (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

constexpr bool continuesName(char c)
{
    return startsName(c) || isDigit(c) || c == '-';
}

// The length of white space at the start of `text`: the spaces CSS knows,
// comments, and the no-break and ideographic spaces that text copied from a
// web page or typed with Japanese input carries. An unclosed comment runs to
// the end, as CSS reads it.
std::size_t spaceAt(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        const char c = rest.front();
        if (isCssSpace(c)) {
            ++at;
        } else if (rest.starts_with("/*")) {
            const std::size_t close = rest.find("*/", 2);
            at = close == std::string_view::npos ? text.size() : at + close + 2;
        } else if (rest.starts_with(noBreakSpace)) {
            at += noBreakSpace.size();
        } else if (rest.starts_with(ideographicSpace)) {
            at += ideographicSpace.size();
        } else {
            break;
        }
    }
    return at;
}

bool startsIdentifier(std::string_view text)
{
    if (text.empty() || text.starts_with(noBreakSpace) || text.starts_with(ideographicSpace))
        return false;
    if (text.front() == '-')
        return text.size() > 1 && (startsName(text[1]) || text[1] == '-');
    return startsName(text.front());
}

bool startsNumber(std::string_view text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    if (at < text.size() && text[at] == '.')
        ++at;
    return at < text.size() && isDigit(text[at]);
}

std::size_t nameLength(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && continuesName(text[at]) &&
           !text.substr(at).starts_with(noBreakSpace) &&
           !text.substr(at).starts_with(ideographicSpace))
        ++at;
    return at;
}

// A number too large or too small for a double, which from_chars leaves
// unread: CSS holds it at the largest value of its sign, so that clamping to a
// channel's range still works, or at zero. The power of ten of its first
// significant digit tells which.
double beyondRange(std::string_view number)
{
    const std::size_t exponentAt = std::min(number.find('e'), number.size());
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    auto power = first < point ? static_cast<long long>(point - first) - 1
                               : -static_cast<long long>(first - point);
    std::string_view exponent = number.substr(std::min(exponentAt + 1, number.size()));
    const bool negativeExponent = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
        exponent.remove_prefix(1);
    // Beyond this the exponent alone settles it, whatever the digits.
    constexpr long long exponentCap = 1'000'000'000'000;
    long long exponentValue = 0;
    for (const char digit : exponent)
        exponentValue = std::min(10 * exponentValue + (digit - '0'), exponentCap);
    power += negativeExponent ? -exponentValue : exponentValue;
    const double magnitude = power >= 0 ? std::numeric_limits<double>::max() : 0.0;
    return number.front() == '-' ? -magnitude : magnitude;
}

// <number>: [+-]? (digits [. digits] | . digits) [e [+-]? digits], its length.
std::size_t numberLength(std::string_view text)
{
    std::size_t at = 0;
    if (text[at] == '+' || text[at] == '-')
        ++at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at + 1 < text.size() && text[at] == '.' && isDigit(text[at + 1])) {
        ++at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
    }
    if (at < text.size() && text[at] == 'e') {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        // "1em" is a number with a unit, not an exponent.
        if (exponent < text.size() && isDigit(text[exponent])) {
            at = exponent;
            while (at < text.size() && isDigit(text[at]))
                ++at;
        }
    }
    return at;
}

double numberValue(std::string_view number)
{
    // from_chars reads the number the same in every locale, but takes no "+".
    if (number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
        std::errc::result_out_of_range)
        value = beyondRange(number);
    return value;
}

Token numericToken(std::string_view text)
{
    Token token;
    const std::size_t length = numberLength(text);
    token.value = numberValue(text.substr(0, length));
    const std::string_view rest = text.substr(length);
    std::size_t end = length;
    if (!rest.empty() && rest.front() == '%') {
        token.kind = Token::Percentage;
        end += 1;
    } else if (startsIdentifier(rest)) {
        token.kind = Token::Dimension;
        token.name = rest.substr(0, nameLength(rest));
        end += token.name.size();
    } else {
        token.kind = Token::Number;
    }
    token.source = text.substr(0, end);
    return token;
}

Token nameToken(std::string_view text)
{
    Token token;
    token.name = text.substr(0, nameLength(text));
    const bool function = token.name.size() < text.size() && text[token.name.size()] == '(';
    token.kind = function ? Token::Function : Token::Ident;
    token.source = text.substr(0, token.name.size() + (function ? 1 : 0));
    return token;
}

Token punctuationToken(std::string_view text)
{
    Token token;
    token.source = text.substr(0, 1);
    switch (text.front()) {
    case ',':
        token.kind = Token::Comma;
        break;
    case '/':
        token.kind = Token::Slash;
        break;
    case ':':
        token.kind = Token::Colon;
        break;
    case ';':
        token.kind = Token::Semicolon;
        break;
    case '(':
        token.kind = Token::OpenParenthesis;
        break;
    case ')':
        token.kind = Token::CloseParenthesis;
        break;
    case '#': {
        const std::size_t length = nameLength(text.substr(1));
        if (length > 0) {
            token.kind = Token::Hash;
            token.name = text.substr(1, length);
            token.source = text.substr(0, length + 1);
            break;
        }
        token.kind = Token::Delim;
        token.name = token.source;
        break;
    }
    default:
        token.kind = Token::Delim;
        token.name = token.source;
        break;
    }
    return token;
}

} // namespace

std::vector<Token> tokenized(std::string_view text)
{
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (true) {
        const std::size_t space = spaceAt(text.substr(at));
        at += space;
        const std::string_view rest = text.substr(at);
        Token token;
        if (rest.empty())
            token.kind = Token::End;
        else if (startsNumber(rest))
            token = numericToken(rest);
        else if (startsIdentifier(rest))
            token = nameToken(rest);
        else
            token = punctuationToken(rest);
        token.spaceBefore = space > 0;
        tokens.push_back(token);
        if (token.kind == Token::End)
            return tokens;
        at += token.source.size();
    }
}

} // namespace tintmill::css
