#include "commandline.h"

#include "arguments.h"
#include "codegen/exportformats.h"
#include "codegen/safetext.h"
#include "colorset/colortext.h"
#include "core/product.h"
#include "core/readability.h"
#include "editor/readabilitytexts.h"
#include "files/colorfileio.h"
#include "helptext.h"
#include "platform/fileread.h"
#include "platform/filewrite.h"
#include "tintmill_version.h"

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>

namespace tintmill {

namespace {

// A name as the messages show it: whatever bytes it holds, one line on the
// terminal with no control character.
QString shown(const QByteArray &path)
{
    return oneLineText(QFile::decodeName(path));
}

void writeError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

int badUse(const QString &problem)
{
    writeError(QStringLiteral("tintmill: %1\n").arg(oneLineText(problem)) + usageText());
    return exitstatus::badUse;
}

int badFile(const QString &name, const QString &reason)
{
    writeError(QStringLiteral("tintmill: %1: %2\n").arg(name, reason));
    return exitstatus::badFile;
}

// What goes to standard output must arrive whole: a full disk or a closed
// pipe is reported, not taken for success.
int writeOutput(const QString &text)
{
    const WriteResult written = writeStandardOutput(text.toUtf8());
    if (!written.ok())
        return badFile(QStringLiteral("標準出力"),
                       QStringLiteral("書き出せませんでした。") + writeFailureText(written));
    return exitstatus::ok;
}

// --dark names one more page colour file, refused as --check's is when it
// is not one; 0 when it is.
int darkNameProblem(const Arguments &arguments)
{
    if (colorfile::kindOfFileName(QFile::decodeName(arguments.dark)) != ColorFileKind::Page)
        return badUse(
            QStringLiteral("--dark に指定できるのはページの色設定ファイル（.iro）です：%1")
                .arg(shown(arguments.dark)));
    return 0;
}

int sameAsOutput(const QByteArray &output)
{
    return badUse(QStringLiteral("出力ファイル %1 は色設定ファイルそのものです。"
                                 "別の出力ファイルを指定してください。")
                      .arg(shown(output)));
}

PageColorSet pageColorsOf(const OpenedColorFile &file)
{
    return std::get<PageColorSet>(colorfile::setOf(file.content, PageColorSet{}));
}

int exportFile(ExportFormat format, const QByteArray &path, const Arguments &arguments)
{
    const std::optional<ColorFileKind> kind = colorfile::kindOfFileName(QFile::decodeName(path));
    if (!kind)
        return badFile(shown(path),
                       QStringLiteral("色設定ファイル（.iro か .scb）ではありません。"));
    if (arguments.hasDark) {
        if (*kind != ColorFileKind::Page)
            return badUse(QStringLiteral("--dark はページの色設定ファイル（.iro）と"
                                         "一緒に使います：%1")
                              .arg(shown(path)));
        if (const int problem = darkNameProblem(arguments))
            return problem;
    }
    if (arguments.hasOutput) {
        if (isSameFile(arguments.output, path) ||
            (arguments.hasDark && isSameFile(arguments.output, arguments.dark)))
            return sameAsOutput(arguments.output);
    }
    const OpenedColorFile file = openColorFile(path, *kind);
    if (!file.ok())
        return badFile(shown(path), file.reason);

    ExportColors colors;
    colors.description = file.content.description;
    if (*kind == ColorFileKind::Page) {
        colors.page = pageColorsOf(file);
    } else {
        // A box without its line is off, as every box is at start-up.
        colors.scrollbar = ScrollbarColorSet::of(std::get<StoredScrollbarSet>(
            colorfile::setOf(file.content, StoredColorSet(StoredScrollbarSet{}))));
    }
    if (arguments.hasDark) {
        const OpenedColorFile dark = openColorFile(arguments.dark, ColorFileKind::Page);
        if (!dark.ok())
            return badFile(shown(arguments.dark), dark.reason);
        colors.dark = pageColorsOf(dark);
    }
    const QString text = exportText(format, colors);
    if (!arguments.hasOutput)
        return writeOutput(text);
    const WriteResult written = writeFileAtomically(arguments.output, text.toUtf8(),
                                                    WritePolicy::FollowLinks, WriteSync::ToDisk);
    if (!written.ok())
        return badFile(shown(arguments.output),
                       QStringLiteral("書き出せませんでした。") + writeFailureText(written));
    return exitstatus::ok;
}

struct ReadabilityTable
{
    QString text;
    int failing = 0; // lines short of AA
};

ReadabilityTable readabilityTable(const QByteArray &path, const OpenedColorFile &file)
{
    ReadabilityInput input;
    input.colors = pageColorsOf(file).colors();
    for (auto &block : input.shown)
        block.fill(true);
    const ReadabilityReport report = checkReadability(input);

    ReadabilityTable table;
    table.text = QStringLiteral("%1\t%2\n").arg(shown(path), oneLineText(file.content.description));
    table.text += QStringLiteral("行\tブロック\t文字色\t背景色\tコントラスト比\tレベル\n");
    for (int line = 0; line < sampleLineCount; ++line) {
        for (int block = 0; block < previewBlockCount; ++block) {
            const ContrastCell &cell = report.cells.at(line).at(block);
            if (cell.level < ContrastLevel::AA)
                ++table.failing;
            table.text +=
                QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(readabilitytexts::lineName(line), readabilitytexts::blockName(block),
                         rrggbbText(input.colors.at(toIndex(sampleLineRoles.at(line)))),
                         rrggbbText(input.colors.at(toIndex(previewBlockRoles.at(block)))),
                         readabilitytexts::ratio(cell.ratio),
                         readabilitytexts::levelText(cell.level));
        }
    }
    table.text += table.failing == 0
                      ? QStringLiteral("すべての行がAAに届いています。\n")
                      : QStringLiteral("AAに届かないところが%1か所あります。\n").arg(table.failing);
    return table;
}

int checkFiles(const Arguments &arguments)
{
    const QByteArray &path = arguments.files.first();
    if (colorfile::kindOfFileName(QFile::decodeName(path)) != ColorFileKind::Page)
        return badUse(
            QStringLiteral("--check で調べられるのはページの色設定ファイル（.iro）です：%1")
                .arg(shown(path)));
    // Each table headed by its scheme when there are two.
    QList<std::pair<QByteArray, QString>> schemes{{path, QString()}};
    if (arguments.hasDark) {
        if (const int problem = darkNameProblem(arguments))
            return problem;
        schemes = {{path, QStringLiteral("ライトの配色\n")},
                   {arguments.dark, QStringLiteral("ダークの配色\n")}};
    }
    QList<OpenedColorFile> files;
    for (const auto &scheme : schemes) {
        files.append(openColorFile(scheme.first, ColorFileKind::Page));
        if (!files.last().ok())
            return badFile(shown(scheme.first), files.last().reason);
    }
    QStringList tables;
    int failing = 0;
    for (qsizetype k = 0; k < schemes.size(); ++k) {
        const ReadabilityTable table = readabilityTable(schemes.at(k).first, files.at(k));
        tables << schemes.at(k).second + table.text;
        failing += table.failing;
    }
    const int written = writeOutput(tables.join(u'\n'));
    if (written != exitstatus::ok)
        return written;
    return failing == 0 ? exitstatus::ok : exitstatus::checkFailed;
}

} // namespace

int runCommandLine(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(product::title));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(TINTMILL_VERSION_MAJOR)
                                                .arg(TINTMILL_VERSION_MINOR)
                                                .arg(TINTMILL_VERSION_PATCH));
    // A reader that goes away (a pager closed early) makes the write fail,
    // which is reported, instead of ending the program without a word.
    std::signal(SIGPIPE, SIG_IGN);

    // The arguments as the system gave them: a file name need not be UTF-8.
    QList<QByteArray> given;
    for (int k = 1; k < argc; ++k)
        given.append(QByteArray(argv[k]));
    const ParsedArguments parsed = parseArguments(given);
    if (!parsed.problem.isEmpty())
        return badUse(parsed.problem);
    const Arguments &arguments = parsed.arguments;
    if (arguments.help)
        return writeOutput(helpText());
    if (arguments.version)
        return writeOutput(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                         QCoreApplication::applicationVersion()));

    if (arguments.exporting == arguments.check)
        return badUse(QStringLiteral("--export か --check のどちらか一つを指定してください。"));
    if (arguments.files.size() != 1)
        return badUse(QStringLiteral("色設定ファイルを一つ指定してください。"));
    if (arguments.check) {
        if (arguments.hasOutput)
            return badUse(QStringLiteral("-o は --export と一緒に使います。"));
        return checkFiles(arguments);
    }
    const std::optional<ExportFormat> format = exportFormatNamed(arguments.exportFormat);
    if (!format)
        return badUse(QStringLiteral("知らない形式です：%1（%2 のどれか）")
                          .arg(arguments.exportFormat, exportFormatNames().join(u'、')));
    return exportFile(*format, arguments.files.first(), arguments);
}

} // namespace tintmill
