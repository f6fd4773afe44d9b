#include "previewpage.h"

#include "core/product.h"
#include "platform/textfile.h"

#include <QStringList>

namespace tintmill {

QString previewRuleLine(ScrRole role, ColorNumber color)
{
    return scrollbarPropertyName(role) + QStringLiteral(":#") +
           QString::fromStdString(SwapRB(ColorHex(color))) + QStringLiteral(";");
}

QString previewPageText(const ScrollbarColorSet &set)
{
    QStringList lines{
        QStringLiteral("<html><head>"),
        QStringLiteral("<style type=\"Text/css\">"),
        QStringLiteral("<!--"),
        QStringLiteral("body{"),
    };
    for (const ScrRole role : allScrRoles)
        lines.append(set.isEnabled(role) ? previewRuleLine(role, set.color(role)) : QString());
    lines.append(QStringLiteral("}"));
    lines.append(QStringLiteral("--></style></head>"));
    lines.append(QStringLiteral("<body link=\"#FFFFFF\" vlink=\"#FFFFFF\" bgcolor=\"#000000\">"));
    // No space before target=: the line has always been written this way.
    lines.append(QStringLiteral("<a href=\"") + QString::fromUtf8(product::supportSiteAddress) +
                 QStringLiteral("\"target=\"_blank\" style=\"font-size:10px;position:relative;"
                                "top:-18px;left:0px\">サポートサイトへ</a>"));
    // Enough empty lines to make the page taller than the view, so that the
    // view shows its scrollbar.
    lines.append(QStringLiteral("<br>").repeated(34));
    lines.append(QStringLiteral("</body></html>"));
    return joinCrLf(lines);
}

} // namespace tintmill
