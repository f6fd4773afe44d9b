#include "csstext.h"

#include <algorithm>

namespace tintmill {

std::string_view cssTrimmed(std::string_view text)
{
    while (!text.empty() && isCssSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isCssSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string asciiLowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

} // namespace tintmill
