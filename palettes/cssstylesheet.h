#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tintmill {

// Which colour scheme a rule of a style sheet applies in: both, or only
// the one an @media (prefers-color-scheme: …) block names.
enum class CssScheme
{
    Both,
    Light,
    Dark,
};

struct CssDeclaration
{
    std::string name;
    // Comments gone, white space trimmed, without "!important".
    std::string value;
};

struct CssStyleRule
{
    CssScheme scheme = CssScheme::Both;
    // The selector list as written, comments gone.
    std::string selectors;
    std::vector<CssDeclaration> declarations;
};

struct CssStyleSheet
{
    // A one-line comment that opens the sheet, trimmed; empty without one.
    std::string openingComment;
    // The style rules a screen applies in each scheme, in the sheet's order:
    // from the top level, and from @media blocks for the screen or for a
    // colour scheme, @supports and @layer blocks. Rules nested in rules, and
    // those of any other at-rule, are left out.
    std::vector<CssStyleRule> rules;
};

// Reads a style sheet (UTF-8) as CSS Syntax reads broken input: an
// unclosed comment, string or block ends at the end of the text, and a stray
// "}" becomes part of the next rule's selector, spoiling it. Takes time in
// proportion to the text's length, however it nests.
CssStyleSheet parseStyleSheet(std::string_view text);

} // namespace tintmill
