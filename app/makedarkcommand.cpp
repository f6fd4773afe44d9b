#include "commandline.h"
#include "commandoutput.h"
#include "commands.h"
#include "editor/pageschemes.h"
#include "files/colorfileformat.h"
#include "inputcolors.h"
#include "platform/plaintext.h"
#include "platform/textfile.h"

namespace tintmill {

namespace {

// The made file's description: the light one's, marked as the dark
// counterpart, as the palette export names its dark colours. A colour file's
// description goes on byte for byte; one read from elsewhere is kept to what
// a colour file can hold on its line.
QByteArray darkDescription(const InputColors &light)
{
    QByteArray description = light.descriptionBytes.value_or(
        encodeCp932(oneLineText(light.description).replace(u'#', u'＃')));
    return description + encodeCp932(QStringLiteral("（ダーク）"));
}

} // namespace

int runMakeDark(const Arguments &arguments)
{
    const QByteArray &path = arguments.operands.first();
    const std::optional<InputColors> input = readInputColors(path);
    if (!input)
        return exitstatus::badFile;
    if (!input->light)
        return badFile(shownName(path), QStringLiteral("ページの色がありません。"));

    // Every sample line counts, as every one may be shown on the page.
    decltype(ReadabilityInput::shown) shown{};
    for (auto &block : shown)
        block.fill(true);
    const PageColorSet dark = derivedDarkSet(*input->light, shown);
    return writeResult(arguments.output,
                       colorfile::fileBytes(darkDescription(*input), StoredColorSet(dark)));
}

} // namespace tintmill
