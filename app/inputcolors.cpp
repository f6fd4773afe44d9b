#include "inputcolors.h"

#include "colorset/colortext.h"
#include "commandoutput.h"
#include "files/colorfileio.h"
#include "platform/nativepath.h"
#include "platform/plaintext.h"

namespace tintmill {

std::optional<InputKind> inputKindOf(const QByteArray &path)
{
    const std::optional<ColorFileKind> kind = colorfile::kindOfFileName(pathFromNative(path));
    if (!kind)
        return std::nullopt;
    return *kind == ColorFileKind::Page ? InputKind::PageColors : InputKind::ScrollbarColors;
}

namespace {

std::optional<InputColors> colorFileColors(const QByteArray &path, ColorFileKind kind)
{
    const OpenedColorFile file = openColorFile(path, kind);
    if (!file.ok()) {
        badFile(shownName(path), file.reason);
        return std::nullopt;
    }
    InputColors colors;
    colors.description = file.content.description;
    colors.descriptionBytes = file.content.descriptionBytes;
    if (kind == ColorFileKind::Page) {
        colors.light = std::get<PageColorSet>(colorfile::setOf(file.content, PageColorSet{}));
    } else {
        // A box without its line is off, as every box is at start-up.
        colors.scrollbar = ScrollbarColorSet::of(std::get<StoredScrollbarSet>(
            colorfile::setOf(file.content, StoredColorSet(StoredScrollbarSet{}))));
    }
    return colors;
}

} // namespace

std::optional<InputColors> readInputColors(const QByteArray &path)
{
    std::optional<InputColors> colors;
    switch (inputKindOf(path).value_or(InputKind::PageColors)) {
    case InputKind::PageColors:
        colors = colorFileColors(path, ColorFileKind::Page);
        break;
    case InputKind::ScrollbarColors:
        colors = colorFileColors(path, ColorFileKind::Scrollbar);
        break;
    }
    if (colors) {
        for (const SnappedColor &snapped : std::as_const(colors->snapped))
            writeError(QStringLiteral("tintmill: %1: %2 の %3 はWebセーフ色ではないので、"
                                      "いちばん近い %4 にしました。\n")
                           .arg(shownName(path), shownText(snapped.where), shownText(snapped.given),
                                rrggbbText(snapped.taken)));
    }
    return colors;
}

} // namespace tintmill
