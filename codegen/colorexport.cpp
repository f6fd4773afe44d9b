#include "colorexport.h"

namespace tintmill {

namespace {

struct PageEntryName
{
    PageRole role;
    const char *group;
    const char *key;
    const char *cssName;
    const char *label;
};

// Top to bottom as the role options stand in the main window.
constexpr std::array<PageEntryName, roleCount> pageEntryNames{{
    {PageRole::Background, "page", "background", "page-background", "背景の色"},
    {PageRole::Text, "page", "text", "page-text", "テキストの色"},
    {PageRole::Link, "link", "unvisited", "link", "未訪問のリンクの色"},
    {PageRole::VisitedLink, "link", "visited", "link-visited", "訪問済のリンクの色"},
    {PageRole::HoverLink, "link", "hover", "link-hover", "オンマウスのリンクの色"},
    {PageRole::ActiveLink, "link", "active", "link-active", "クリック時のリンクの色"},
    {PageRole::MediumBlock, "block", "medium-background", "block-medium-background",
     "中ブロックの色"},
    {PageRole::SmallBlock, "block", "small-background", "block-small-background", "小ブロックの色"},
}};

} // namespace

QList<ExportEntry> exportEntries(const ExportColors &colors)
{
    QList<ExportEntry> entries;
    if (colors.page) {
        for (const PageEntryName &name : pageEntryNames) {
            entries.append({QString::fromLatin1(name.group), QString::fromLatin1(name.key),
                            QString::fromLatin1(name.cssName), QString::fromUtf8(name.label),
                            colors.page->at(toIndex(name.role))});
        }
    }
    if (colors.scrollbar) {
        for (const ScrRole role : allScrRoles) {
            if (!colors.scrollbar->isEnabled(role))
                continue;
            // "scrollbar-face-color" gives the token "face" and "--scrollbar-face".
            const QString property = scrollbarPropertyName(role);
            QString key = property.mid(QStringLiteral("scrollbar-").size());
            key.chop(QStringLiteral("-color").size());
            entries.append({QStringLiteral("scrollbar"), key, QStringLiteral("scrollbar-") + key,
                            property, colors.scrollbar->color(role)});
        }
    }
    return entries;
}

QString exportHex(ColorNumber color)
{
    return QString::fromStdString(rrggbbOf(color));
}

} // namespace tintmill
