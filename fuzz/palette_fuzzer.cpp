// Feeds arbitrary bytes to the palette readers, the first byte choosing the
// format (CSS, SCSS, design tokens, GIMP palette), and checks what they
// promise: a file is refused exactly when it gives no colour, every colour
// given is web-safe, and the colours read, written out again in the same
// format, read back to the same colours.

#include "codegen/colorexport.h"
#include "fuzzcheck.h"
#include "palettes/paletteimport.h"

#include <cstddef>
#include <cstdint>

using namespace tintmill;

namespace {

bool isWebSafe(ColorNumber color)
{
    return (color & 0xFFU) % 0x33U == 0 && ((color >> 8U) & 0xFFU) % 0x33U == 0 &&
           ((color >> 16U) & 0xFFU) % 0x33U == 0;
}

template<std::size_t N>
void checkWebSafe(const std::optional<std::array<std::optional<ColorNumber>, N>> &colors)
{
    if (!colors)
        return;
    bool any = false;
    for (const std::optional<ColorNumber> &color : *colors) {
        FUZZ_CHECK(!color || isWebSafe(*color));
        any = any || color.has_value();
    }
    FUZZ_CHECK(any);
}

const PageColorSet blank{
    QString(),
    {"#FFFFFF", "#000000", "#FF0000", "#000000", "#000000", "#000000", "#0000FF", "#000000"}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > static_cast<size_t>(paletteReadLimit))
        return 0; // never handed to a reader: the file read stops first
    const auto format = static_cast<ExportFormat>(data[0] % 4);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const ImportedColors read = readPaletteText(format, bytes);
    FUZZ_CHECK(read.ok() == (read.light || read.dark || read.scrollbar));
    checkWebSafe(read.light);
    checkWebSafe(read.dark);
    checkWebSafe(read.scrollbar);
    for (const ColorSnap &snap : read.snaps) {
        FUZZ_CHECK(isWebSafe(snap.webSafe));
        FUZZ_CHECK(snap.distance > 0);
    }
    if (!read.ok())
        return 0;

    // What was read, written out again: the same colours come back.
    ExportColors colors;
    if (read.light || read.dark)
        colors.page = appliedOver(blank, read.light.value_or(PageRoleColors{}));
    if (read.dark)
        colors.dark = appliedOver(*colors.page, *read.dark);
    if (read.scrollbar)
        colors.scrollbar = appliedOver(ScrollbarColorSet{}, *read.scrollbar);
    const ImportedColors again = readPaletteText(format, exportText(format, colors).toUtf8());
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.snaps.isEmpty() && again.skipped.isEmpty());
    FUZZ_CHECK(!colors.page ||
               appliedOver(blank, again.light.value_or(PageRoleColors{})) == *colors.page);
    FUZZ_CHECK(!colors.dark || (again.dark && appliedOver(blank, *again.dark) == *colors.dark));
    if (colors.scrollbar) {
        FUZZ_CHECK(again.scrollbar);
        FUZZ_CHECK(appliedOver(ScrollbarColorSet{}, *again.scrollbar).captions ==
                   colors.scrollbar->captions);
    }
    return 0;
}
