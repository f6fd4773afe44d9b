#pragma once

#include <string>
#include <string_view>

namespace tintmill {

// What CSS counts as white space: space, tab and the three line ends.
constexpr bool isCssSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// `text` without the CSS white space at either end.
std::string_view cssTrimmed(std::string_view text);

// `text` with its ASCII letters in lower case, as CSS compares its keywords;
// other bytes, UTF-8 ones too, as they are.
std::string asciiLowerCase(std::string_view text);

} // namespace tintmill
