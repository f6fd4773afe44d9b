#include "arguments.h"

#include "platform/nativepath.h"
#include "platform/plaintext.h"

namespace tintmill {

namespace {

// An argument as a message shows it: whatever bytes it holds, one line
// with no control character.
QString shown(const QByteArray &argument)
{
    return shownText(pathFromNative(argument));
}

} // namespace

QString optionName(Command command)
{
    switch (command) {
    case Command::Export:
        return QStringLiteral("--export");
    case Command::Check:
        return QStringLiteral("--check");
    case Command::Nearest:
        return QStringLiteral("--nearest");
    case Command::MakeDark:
        break;
    }
    return QStringLiteral("--make-dark");
}

ParsedArguments parseArguments(const QList<QByteArray> &arguments)
{
    ParsedArguments parsed;
    Arguments &wanted = parsed.arguments;
    const auto fail = [&parsed](const QString &problem) {
        parsed.problem = problem;
        return parsed;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments.at(i);
        if (optionsEnded || argument == "-" || !argument.startsWith('-')) {
            wanted.operands.append(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value", "-ovalue" or "--name value".
        QByteArray name = argument;
        std::optional<QByteArray> value;
        if (argument.startsWith("--") && argument.contains('=')) {
            name = argument.left(argument.indexOf('='));
            value = argument.mid(argument.indexOf('=') + 1);
        } else if (argument.startsWith("-o") && argument.size() > 2) {
            name = "-o";
            value = argument.mid(2);
        }
        // The value of an option that takes one, once, and not empty: an
        // empty name would only be refused later, less clearly.
        const auto takeValue = [&](std::optional<QByteArray> &into, const QString &what,
                                   const QString &whenEmpty) -> bool {
            if (into) {
                parsed.problem = QStringLiteral("%1 は一度だけ指定してください。").arg(shown(name));
                return false;
            }
            if (!value && i + 1 < arguments.size())
                value = arguments.at(++i);
            if (!value) {
                parsed.problem =
                    QStringLiteral("%1 のあとに%2を指定してください。").arg(shown(name), what);
                return false;
            }
            if (value->isEmpty()) {
                parsed.problem = whenEmpty;
                return false;
            }
            into = value;
            return true;
        };

        if (name == "--export") {
            std::optional<QByteArray> format;
            if (wanted.commands.contains(Command::Export))
                return fail(QStringLiteral("--export は一度だけ指定してください。"));
            if (!takeValue(format, QStringLiteral("形式"),
                           QStringLiteral("--export の形式が空です。")))
                return parsed;
            wanted.commands.append(Command::Export);
            wanted.exportFormat = pathFromNative(*format);
        } else if (name == "-o" || name == "--output") {
            if (!takeValue(wanted.output, QStringLiteral("出力ファイル"),
                           QStringLiteral("出力ファイルの名前が空です。")))
                return parsed;
        } else if (name == "--dark") {
            if (!takeValue(wanted.dark, QStringLiteral("ダークの色設定ファイル"),
                           QStringLiteral("ダークの色設定ファイルの名前が空です。")))
                return parsed;
        } else if (name == "--scheme") {
            if (!takeValue(wanted.scheme, QStringLiteral("配色（light か dark）"),
                           QStringLiteral("--scheme の配色が空です（light か dark）。")))
                return parsed;
        } else if (value) {
            return fail(QStringLiteral("%1 は値をとりません。").arg(shown(name)));
        } else if (name == "--check" || name == "--nearest" || name == "--make-dark") {
            const Command command = name == "--check"     ? Command::Check
                                    : name == "--nearest" ? Command::Nearest
                                                          : Command::MakeDark;
            if (wanted.commands.contains(command))
                return fail(QStringLiteral("%1 は一度だけ指定してください。").arg(shown(name)));
            wanted.commands.append(command);
        } else if (name == "-h" || name == "-?" || name == "--help" || name == "--help-all") {
            wanted.help = true;
        } else if (name == "-v" || name == "--version") {
            wanted.version = true;
        } else {
            return fail(QStringLiteral("知らないオプションです：%1").arg(shown(name)));
        }
    }
    return parsed;
}

} // namespace tintmill
