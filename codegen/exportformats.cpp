#include "exportformats.h"

#include "cssexport.h"
#include "gplexport.h"
#include "scssexport.h"
#include "tokensexport.h"

#include <array>

namespace tintmill {

namespace {

constexpr std::array formats{
    ExportFormatInfo{ExportFormat::Css, "css", "CSS（カスタムプロパティ）", "css", "CSS (*.css)",
                     cssExport},
    ExportFormatInfo{ExportFormat::Scss, "scss", "SCSS（変数）", "scss", "SCSS (*.scss)",
                     scssExport},
    // Design tools look for ".tokens.json" (or ".tokens") to know the file.
    ExportFormatInfo{ExportFormat::Tokens, "tokens", "デザイントークン（JSON）", "tokens.json",
                     "デザイントークン (*.tokens.json *.json)", tokensExport},
    ExportFormatInfo{ExportFormat::Gpl, "gpl", "パレット（GIMP .gpl）", "gpl",
                     "GIMPパレット (*.gpl)", gplExport},
};

// A format's number is its place in the list.
constexpr bool inPlace()
{
    for (std::size_t k = 0; k < formats.size(); ++k) {
        if (static_cast<std::size_t>(formats.at(k).format) != k)
            return false;
    }
    return true;
}
static_assert(inPlace());

} // namespace

std::span<const ExportFormatInfo> exportFormats()
{
    return formats;
}

const ExportFormatInfo &exportFormatInfo(ExportFormat format)
{
    return formats.at(static_cast<std::size_t>(format));
}

QStringList exportFormatNames()
{
    QStringList names;
    for (const ExportFormatInfo &info : formats)
        names << QLatin1String(info.name);
    return names;
}

std::optional<ExportFormat> exportFormatNamed(const QString &name)
{
    for (const ExportFormatInfo &info : formats) {
        if (name == QLatin1String(info.name))
            return info.format;
    }
    return std::nullopt;
}

QString exportText(ExportFormat format, const ExportColors &colors)
{
    return exportFormatInfo(format).write(colors);
}

} // namespace tintmill
