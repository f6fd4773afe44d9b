#include "commandline.h"
#include "commandoutput.h"
#include "commands.h"
#include "editor/pageschemes.h"
#include "files/colorfileformat.h"
#include "inputcolors.h"
#include "platform/textfile.h"

namespace tintmill {

namespace {

// The made file's description: the light one's, marked as the dark
// counterpart, as the palette export names its dark colours.
QByteArray darkDescription(const InputColors &light)
{
    return colorFileDescription(light) + encodeCp932(QStringLiteral("（ダーク）"));
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
