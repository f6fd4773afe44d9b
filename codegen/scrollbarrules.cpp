#include "scrollbarrules.h"

namespace tintmill {

namespace {
const QString crLf = QStringLiteral("\r\n");
}

QString scrollbarDeclaration(ScrRole role, const QString &caption)
{
    return scrollbarPropertyName(role) + u':' + caption + u';';
}

QStringList scrollbarDeclarations(const ScrollbarColorSet &set)
{
    QStringList declarations;
    for (const ScrRole role : allScrRoles) {
        if (set.isEnabled(role))
            declarations.append(scrollbarDeclaration(role, set.caption(role)));
    }
    return declarations;
}

QString scrollbarRuleBlock(const ScrollbarColorSet &set, ScrollbarTarget target)
{
    QString block =
        target == ScrollbarTarget::Body ? QStringLiteral("body") : QStringLiteral("textarea");
    block += u'{' + crLf;
    for (const QString &declaration : scrollbarDeclarations(set))
        block += declaration + crLf;
    return block + u'}';
}

ScrollbarAttributeResult scrollbarStyleAttribute(const ScrollbarColorSet &set,
                                                 const ScrollbarAttributeOptions &options)
{
    QString open;
    QString close;
    if (options.withTag && options.tag == ScrollbarTarget::Body) {
        open = QStringLiteral("<body");
        close = QStringLiteral(">");
    } else if (options.withTag) {
        if (options.rows.isEmpty())
            return {MissingCount::Rows, {}};
        if (options.columns.isEmpty())
            return {MissingCount::Columns, {}};
        open =
            QStringLiteral("<textarea rows=\"%1\" cols=\"%2\"").arg(options.rows, options.columns) +
            crLf;
        close = u'>' + crLf + QStringLiteral("</textarea>");
    }
    const StyleAttributeWrap wrap =
        styleAttributeWrap(options.leadingSpace, options.styleAttribute, options.quote);
    return {MissingCount::None,
            open + wrap.opening + scrollbarDeclarations(set).join(crLf) + wrap.closing + close};
}

} // namespace tintmill
