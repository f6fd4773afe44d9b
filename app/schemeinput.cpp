#include "schemeinput.h"

#include "commandline.h"
#include "commandoutput.h"

namespace tintmill {

std::optional<ColorScheme> schemeNamed(const QByteArray &name)
{
    if (name == "light")
        return ColorScheme::Light;
    if (name == "dark")
        return ColorScheme::Dark;
    return std::nullopt;
}

std::optional<SchemeInput> readSchemeInput(const Arguments &arguments, int &status)
{
    const QByteArray &path = arguments.operands.first();
    SchemeInput read;
    read.darkPath = path;
    std::optional<InputColors> colors = readInputColors(path);
    if (!colors) {
        status = exitstatus::badFile;
        return std::nullopt;
    }
    read.colors = *colors;
    read.darkDescription = read.colors.description;
    if (arguments.dark) {
        const std::optional<InputColors> dark = readInputColors(*arguments.dark);
        if (!dark) {
            status = exitstatus::badFile;
            return std::nullopt;
        }
        if (read.colors.dark) {
            status = badUse(QStringLiteral("%1 にはダークの配色もあるので、--dark はいりません。")
                                .arg(shownName(path)));
            return std::nullopt;
        }
        read.colors.dark = dark->light;
        read.darkPath = *arguments.dark;
        read.darkDescription = dark->description;
        read.darkDescriptionBytes = dark->descriptionBytes;
    }
    if (arguments.scheme) {
        read.only = schemeNamed(*arguments.scheme);
        if (!read.colors.light) {
            status = badUse(QStringLiteral("%1 にはページの色がないので、--scheme は使えません。")
                                .arg(shownName(path)));
            return std::nullopt;
        }
        if (read.only == ColorScheme::Dark && !read.colors.dark) {
            status = badUse(QStringLiteral("ダークの配色がないので、--scheme dark は使えません"
                                           "（--dark でダークの色設定ファイルを指定できます）。"));
            return std::nullopt;
        }
    }
    return read;
}

} // namespace tintmill
