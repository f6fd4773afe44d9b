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

int exportFile(ExportFormat format, const QByteArray &path, const Arguments &arguments)
{
    const std::optional<ColorFileKind> kind = colorfile::kindOfFileName(QFile::decodeName(path));
    if (!kind)
        return badFile(shown(path),
                       QStringLiteral("色設定ファイル（.iro か .scb）ではありません。"));
    if (arguments.hasOutput && isSameFile(arguments.output, path))
        return badUse(QStringLiteral("出力ファイル %1 は色設定ファイルそのものです。"
                                     "別の出力ファイルを指定してください。")
                          .arg(shown(arguments.output)));
    const OpenedColorFile file = openColorFile(path, *kind);
    if (!file.ok())
        return badFile(shown(path), file.reason);

    ExportColors colors;
    colors.description = file.content.description;
    const StoredColorSet set = colorfile::setOf(
        file.content, *kind == ColorFileKind::Page ? StoredColorSet(PageColorSet{})
                                                   : StoredColorSet(StoredScrollbarSet{}));
    if (const auto *page = std::get_if<PageColorSet>(&set)) {
        colors.page = *page;
    } else {
        // A box without its line is off, as every box is at start-up.
        colors.scrollbar = ScrollbarColorSet::of(std::get<StoredScrollbarSet>(set));
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

int checkFile(const QByteArray &path)
{
    if (colorfile::kindOfFileName(QFile::decodeName(path)) != ColorFileKind::Page)
        return badUse(
            QStringLiteral("--check で調べられるのはページの色設定ファイル（.iro）です：%1")
                .arg(shown(path)));
    const OpenedColorFile file = openColorFile(path, ColorFileKind::Page);
    if (!file.ok())
        return badFile(shown(path), file.reason);

    ReadabilityInput input;
    input.colors = std::get<PageColorSet>(colorfile::setOf(file.content, PageColorSet{})).colors();
    for (auto &block : input.shown)
        block.fill(true);
    const ReadabilityReport report = checkReadability(input);

    QString table =
        QStringLiteral("%1\t%2\n").arg(shown(path), oneLineText(file.content.description));
    table += QStringLiteral("行\tブロック\t文字色\t背景色\tコントラスト比\tレベル\n");
    int failing = 0;
    for (int line = 0; line < sampleLineCount; ++line) {
        for (int block = 0; block < previewBlockCount; ++block) {
            const ContrastCell &cell = report.cells.at(line).at(block);
            if (cell.level < ContrastLevel::AA)
                ++failing;
            table += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                         .arg(readabilitytexts::lineName(line), readabilitytexts::blockName(block),
                              rrggbbText(input.colors.at(toIndex(sampleLineRoles.at(line)))),
                              rrggbbText(input.colors.at(toIndex(previewBlockRoles.at(block)))),
                              readabilitytexts::ratio(cell.ratio),
                              readabilitytexts::levelText(cell.level));
        }
    }
    table += failing == 0 ? QStringLiteral("すべての行がAAに届いています。\n")
                          : QStringLiteral("AAに届かないところが%1か所あります。\n").arg(failing);
    const int written = writeOutput(table);
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
        return checkFile(arguments.files.first());
    }
    const std::optional<ExportFormat> format = exportFormatNamed(arguments.exportFormat);
    if (!format)
        return badUse(QStringLiteral("知らない形式です：%1（%2 のどれか）")
                          .arg(arguments.exportFormat, exportFormatNames().join(u'、')));
    return exportFile(*format, arguments.files.first(), arguments);
}

} // namespace tintmill
