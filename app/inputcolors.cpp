#include "inputcolors.h"

#include "commandoutput.h"
#include "core/pageroletable.h"
#include "editor/pageschemes.h"
#include "files/colorfileio.h"
#include "palettes/paletteimport.h"
#include "platform/nativepath.h"
#include "platform/plaintext.h"
#include "platform/textfile.h"

namespace tintmill {

std::optional<InputKind> inputKindOf(const QByteArray &path)
{
    const QString name = pathFromNative(path);
    if (const std::optional<ColorFileKind> kind = colorfile::kindOfFileName(name))
        return *kind == ColorFileKind::Page ? InputKind::PageColors : InputKind::ScrollbarColors;
    if (paletteFormatOf(name))
        return InputKind::Palette;
    return std::nullopt;
}

QByteArray colorFileDescription(const InputColors &colors)
{
    return colors.descriptionBytes.value_or(
        encodeCp932(oneLineText(colors.description).replace(u'#', u'＃')));
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

// Each line of a text quoted from the file, safe for the terminal.
QString shownLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = shownText(line);
    return lines.join(u'\n');
}

std::optional<InputColors> paletteColors(const QByteArray &path)
{
    const ImportedColors read = readPaletteFile(path);
    if (!read.ok()) {
        badFile(shownName(path), shownLines(read.refusal));
        return std::nullopt;
    }
    const QStringList notes = importNotes(read);
    if (!read.snaps.isEmpty())
        writeError(QStringLiteral("tintmill: %1: Webセーフ色でない色は、"
                                  "いちばん近いWebセーフ色にしました。\n")
                       .arg(shownName(path)));
    for (qsizetype k = 0; k < notes.size(); ++k)
        writeError(QStringLiteral("%1%2\n").arg(
            k < read.snaps.size() ? QStringLiteral("  ")
                                  : QStringLiteral("tintmill: %1: ").arg(shownName(path)),
            shownText(notes.at(k))));

    InputColors colors;
    colors.description = read.description;
    if (read.light || read.dark) {
        PageColorSet start;
        for (int k = 0; k < pageRoleCount; ++k)
            start.captions.at(k) = QString::fromLatin1(pageRoleTable.at(k).startColor);
        colors.light = appliedOver(start, read.light.value_or(PageRoleColors{}));
        colors.light->description = read.description;
    }
    if (read.dark) {
        // Every sample line counts, as every one may be shown on the page.
        decltype(ReadabilityInput::shown) shown{};
        for (auto &block : shown)
            block.fill(true);
        colors.dark = appliedOver(derivedDarkSet(*colors.light, shown), *read.dark);
    }
    if (read.scrollbar)
        colors.scrollbar = appliedOver(ScrollbarColorSet{}, *read.scrollbar);
    return colors;
}

} // namespace

std::optional<InputColors> readInputColors(const QByteArray &path)
{
    switch (inputKindOf(path).value_or(InputKind::PageColors)) {
    case InputKind::PageColors:
        return colorFileColors(path, ColorFileKind::Page);
    case InputKind::ScrollbarColors:
        return colorFileColors(path, ColorFileKind::Scrollbar);
    case InputKind::Palette:
        break;
    }
    return paletteColors(path);
}

} // namespace tintmill
