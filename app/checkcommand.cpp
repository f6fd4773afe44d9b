#include "colorset/colortext.h"
#include "commandline.h"
#include "commandoutput.h"
#include "commands.h"
#include "core/readability.h"
#include "editor/readabilitytexts.h"
#include "platform/plaintext.h"
#include "schemeinput.h"
#include "textcolumns.h"

namespace tintmill {

namespace {

// One scheme's colours, and where they were read.
struct CheckedScheme
{
    QString heading; // empty where the output holds one table only
    QByteArray path;
    QString description;
    PageColorSet colors;
};

struct ReadabilityTable
{
    QString text;
    int failing = 0; // lines short of AA
};

// Every sample line on every block, lined up in columns as the terminal
// draws them, and how many fall short of AA.
ReadabilityTable readabilityTable(const CheckedScheme &scheme)
{
    ReadabilityInput input;
    input.colors = scheme.colors.colors();
    for (auto &block : input.shown)
        block.fill(true);
    const ReadabilityReport report = checkReadability(input);

    ReadabilityTable table;
    table.text = scheme.heading;
    table.text += shownName(scheme.path);
    if (!scheme.description.isEmpty())
        table.text += QStringLiteral("  ") + shownText(scheme.description);
    table.text += u'\n';
    QList<QStringList> rows{{QStringLiteral("行"), QStringLiteral("ブロック"),
                             QStringLiteral("文字色"), QStringLiteral("背景色"),
                             QStringLiteral("コントラスト比"), QStringLiteral("レベル")}};
    for (int line = 0; line < sampleLineCount; ++line) {
        for (int block = 0; block < previewBlockCount; ++block) {
            const ContrastCell &cell = report.cells.at(line).at(block);
            if (cell.level < ContrastLevel::AA)
                ++table.failing;
            rows.append({readabilitytexts::lineName(line), readabilitytexts::blockName(block),
                         rrggbbText(input.colors.at(toIndex(sampleLineRoles.at(line)))),
                         rrggbbText(input.colors.at(toIndex(previewBlockRoles.at(block)))),
                         readabilitytexts::ratio(cell.ratio),
                         readabilitytexts::levelText(cell.level)});
        }
    }
    table.text += alignedRows(
        rows, {Align::Left, Align::Left, Align::Left, Align::Left, Align::Right, Align::Left});
    table.text += table.failing == 0
                      ? QStringLiteral("すべての行がAAに届いています。\n")
                      : QStringLiteral("AAに届かないところが%1か所あります。\n").arg(table.failing);
    return table;
}

} // namespace

int runCheck(const Arguments &arguments)
{
    int status = exitstatus::ok;
    const std::optional<SchemeInput> read = readSchemeInput(arguments, status);
    if (!read)
        return status;

    const QByteArray &path = arguments.operands.first();
    if (!read->colors.light)
        return badFile(shownName(path), QStringLiteral("ページの色がありません。"));
    QList<CheckedScheme> schemes;
    // Each table headed by its scheme when there are two to choose from.
    const bool both = read->colors.dark.has_value();
    if (read->only != ColorScheme::Dark)
        schemes.append({both ? QStringLiteral("ライトの配色\n") : QString(), path,
                        read->colors.description, *read->colors.light});
    if (both && read->only != ColorScheme::Light)
        schemes.append({QStringLiteral("ダークの配色\n"), read->darkPath, read->darkDescription,
                        *read->colors.dark});

    QStringList tables;
    int failing = 0;
    for (const CheckedScheme &scheme : std::as_const(schemes)) {
        const ReadabilityTable table = readabilityTable(scheme);
        tables << table.text;
        failing += table.failing;
    }
    const int written = writeOutput(tables.join(u'\n').toUtf8());
    if (written != exitstatus::ok)
        return written;
    return failing == 0 ? exitstatus::ok : exitstatus::checkFailed;
}

} // namespace tintmill
