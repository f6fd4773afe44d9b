#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tintmill::css {

// One token of a CSS value, as CSS Syntax cuts it, of the few kinds a colour
// is written with.
struct Token
{
    enum Kind
    {
        Ident,
        Function, // a name and its "("
        Hash,
        Number,
        Percentage,
        Dimension,
        Comma,
        Slash,
        Colon,
        Semicolon,
        OpenParenthesis,
        CloseParenthesis,
        Delim, // any other single character
        End
    };
    Kind kind = End;
    // Number, Percentage and Dimension: the number.
    double value = 0;
    // Ident, Function and Hash: the name, without "(" or "#"; Dimension: the
    // unit; Delim: the character.
    std::string_view name;
    // The token as written, for messages.
    std::string_view source;
    // White space or a comment stands right before it, which CSS asks for
    // around + and − in calc().
    bool spaceBefore = false;
};

// The tokens of `text`, which asciiLowerCase() has made lower case; white space
// and comments are left out. The last token is always an End.
std::vector<Token> tokenized(std::string_view text);

} // namespace tintmill::css
