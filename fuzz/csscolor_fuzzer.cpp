// Feeds arbitrary text to the CSS colour reader, which reads whatever is
// typed or pasted into the nearest-colour window, keystroke by keystroke, and
// checks what it promises: a colour or a reason, never both; a reason that
// names a part of the text; and a colour that reads back as itself from its
// "#RRGGBB".

#include "core/csscolor.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tintmill;

namespace {

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const CssColorReading reading = readCssColor(text);
    const std::optional<CssColor> parsed = parseCssColor(text);
    FUZZ_CHECK(parsed.has_value() == reading.color.has_value());
    if (!reading.color) {
        // The subject is part of the text, but for the "()" after a function's name.
        std::string_view subject = reading.refusal.subject;
        if (subject.ends_with("()"))
            subject.remove_suffix(2);
        FUZZ_CHECK(lowerCase(text).find(subject) != std::string::npos);
        return 0;
    }
    FUZZ_CHECK(parsed->color == reading.color->color && parsed->alpha == reading.color->alpha);
    FUZZ_CHECK(reading.color->alpha >= 0 && reading.color->alpha <= 1);
    FUZZ_CHECK(reading.color->color <= 0xFFFFFFU);
    const std::optional<CssColor> again = parseCssColor(rrggbbOf(reading.color->color));
    FUZZ_CHECK(again && again->color == reading.color->color && again->alpha == 1);
    return 0;
}
