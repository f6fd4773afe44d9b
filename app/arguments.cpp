#include "arguments.h"

#include <QFile>

namespace tintmill {

namespace {

// The option's name as the messages give it: Qt's parser named an unknown
// option without its dashes, and scripts may look for that.
QString bareName(const QByteArray &option)
{
    QByteArray name = option;
    while (name.startsWith('-'))
        name.remove(0, 1);
    return QFile::decodeName(name);
}

} // namespace

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
            wanted.files.append(argument);
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
        const auto takeValue = [&](const QString &what) -> std::optional<QByteArray> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments.at(++i);
            parsed.problem = QStringLiteral("%1 のあとに%2を指定してください。")
                                 .arg(QFile::decodeName(name), what);
            return std::nullopt;
        };
        const auto once = [&](bool given) {
            if (given)
                parsed.problem =
                    QStringLiteral("%1 は一度だけ指定してください。").arg(QFile::decodeName(name));
            return !given;
        };

        if (name == "--export") {
            if (!once(wanted.exporting))
                return parsed;
            const std::optional<QByteArray> format = takeValue(QStringLiteral("形式"));
            if (!format)
                return parsed;
            wanted.exporting = true;
            wanted.exportFormat = QFile::decodeName(*format);
        } else if (name == "-o" || name == "--output") {
            if (!once(wanted.hasOutput))
                return parsed;
            const std::optional<QByteArray> output = takeValue(QStringLiteral("出力ファイル"));
            if (!output)
                return parsed;
            wanted.hasOutput = true;
            wanted.output = *output;
        } else if (name == "--dark") {
            if (!once(wanted.hasDark))
                return parsed;
            const std::optional<QByteArray> dark =
                takeValue(QStringLiteral("ダークの色設定ファイル"));
            if (!dark)
                return parsed;
            wanted.hasDark = true;
            wanted.dark = *dark;
        } else if (value) {
            return fail(QStringLiteral("%1 は値をとりません。").arg(QFile::decodeName(name)));
        } else if (name == "--check") {
            wanted.check = true;
        } else if (name == "-h" || name == "-?" || name == "--help" || name == "--help-all") {
            wanted.help = true;
        } else if (name == "-v" || name == "--version") {
            wanted.version = true;
        } else {
            return fail(QStringLiteral("知らないオプションです：%1").arg(bareName(name)));
        }
    }
    return parsed;
}

} // namespace tintmill
