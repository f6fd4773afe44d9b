#include "commandline.h"

#include "arguments.h"
#include "commandoutput.h"
#include "commands.h"
#include "core/product.h"
#include "helptext.h"
#include "inputcolors.h"
#include "platform/fileread.h"
#include "schemeinput.h"
#include "tintmill_version.h"

#include <QCoreApplication>
#include <csignal>

namespace tintmill {

namespace {

// Which options each command takes besides its own.
struct Takes
{
    bool output = false;
    bool dark = false;
    bool scheme = false;
    bool files = true; // one file; otherwise colour texts
};

Takes takesOf(Command command)
{
    switch (command) {
    case Command::Export:
        return {true, true, true, true};
    case Command::Check:
        return {false, true, true, true};
    case Command::Nearest:
        return {false, false, false, false};
    case Command::MakeDark:
        break;
    }
    return {true, false, false, true};
}

// An option given to a command that does not take it, named with the
// commands that do.
int refused(const QString &option, bool Takes::*takes)
{
    QStringList commands;
    for (const Command command :
         {Command::Export, Command::Check, Command::Nearest, Command::MakeDark}) {
        if (takesOf(command).*takes)
            commands.append(optionName(command));
    }
    return badUse(QStringLiteral("%1 は %2 と一緒に使います。").arg(option, commands.join(" か ")));
}

// What is wrong with the arguments for `command` before any file is read
// (each kind of bad use found by the names alone); 0 when nothing is.
int badUseOf(Command command, const Arguments &arguments)
{
    const Takes takes = takesOf(command);
    if (arguments.output && !takes.output)
        return refused(QStringLiteral("-o"), &Takes::output);
    if (arguments.dark && !takes.dark)
        return refused(QStringLiteral("--dark"), &Takes::dark);
    if (arguments.scheme && !takes.scheme)
        return refused(QStringLiteral("--scheme"), &Takes::scheme);
    if (arguments.scheme && !schemeNamed(*arguments.scheme))
        return badUse(QStringLiteral("知らない配色です：%1（light か dark）")
                          .arg(shownName(*arguments.scheme)));
    if (!takes.files) {
        if (arguments.operands.isEmpty())
            return badUse(
                QStringLiteral("%1 のあとに色を指定してください。").arg(optionName(command)));
        return 0;
    }

    if (arguments.operands.size() != 1)
        return badUse(QStringLiteral("色設定ファイルを一つ指定してください。"));
    const QByteArray &path = arguments.operands.first();
    if (path.isEmpty())
        return badUse(QStringLiteral("色設定ファイルの名前が空です。"));
    const std::optional<InputKind> kind = inputKindOf(path);
    if (!kind)
        return badUse(QStringLiteral("色設定ファイル（.iro、.scb）でもパレットのファイル（.css、"
                                     ".scss、.tokens.json、.gpl）でもありません：%1")
                          .arg(shownName(path)));
    const bool pageColorFile =
        command != Command::Export || arguments.exportFormat == pageColorFileFormat;
    if (pageColorFile && kind == InputKind::ScrollbarColors)
        return badUse(QStringLiteral("%1 に指定できるのは、ページの色のファイル（.iro か"
                                     "パレットのファイル）です：%2")
                          .arg(command == Command::Export ? QStringLiteral("--export iro")
                                                          : optionName(command),
                               shownName(path)));
    if (arguments.dark) {
        if (kind == InputKind::ScrollbarColors)
            return badUse(QStringLiteral("--dark はページの色のファイル（.iro かパレットの"
                                         "ファイル）と一緒に使います：%1")
                              .arg(shownName(path)));
        if (inputKindOf(*arguments.dark) != InputKind::PageColors)
            return badUse(
                QStringLiteral("--dark に指定できるのはページの色設定ファイル（.iro）です：%1")
                    .arg(shownName(*arguments.dark)));
    }
    if (arguments.output && (isSameFile(*arguments.output, path) ||
                             (arguments.dark && isSameFile(*arguments.output, *arguments.dark))))
        return badUse(QStringLiteral("出力ファイル %1 は色設定ファイルそのものです。"
                                     "別の出力ファイルを指定してください。")
                          .arg(shownName(*arguments.output)));
    return 0;
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
        return writeOutput(helpText().toUtf8());
    if (arguments.version)
        return writeOutput(
            QStringLiteral("%1 %2\n")
                .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                .toUtf8());

    if (arguments.commands.size() != 1)
        return badUse(QStringLiteral("--export、--check、--nearest、--make-dark の"
                                     "どれか一つを指定してください。"));
    const Command command = arguments.commands.first();
    if (const int problem = badUseOf(command, arguments))
        return problem;
    switch (command) {
    case Command::Export:
        return runExport(arguments);
    case Command::Check:
        return runCheck(arguments);
    case Command::Nearest:
        return runNearest(arguments);
    case Command::MakeDark:
        break;
    }
    return runMakeDark(arguments);
}

} // namespace tintmill
