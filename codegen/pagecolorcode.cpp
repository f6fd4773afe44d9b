#include "pagecolorcode.h"

namespace tintmill {

namespace {

QString attribute(const char *name, const QString &value)
{
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value);
}

} // namespace

QString bodyTag(const BodyTagChoice &choice, const PageColorSet &colors)
{
    QString tag = QStringLiteral("<body");
    if (choice.text)
        tag += attribute("text", colors.caption(PageRole::Text));
    if (choice.link)
        tag += attribute("link", colors.caption(PageRole::Link));
    if (choice.vlink)
        tag += attribute("vlink", colors.caption(PageRole::VisitedLink));
    if (choice.alink)
        tag += attribute("alink", colors.caption(PageRole::ActiveLink));
    if (choice.bgcolor)
        tag += attribute("bgcolor", colors.caption(PageRole::Background));
    return tag + QStringLiteral(">");
}

PageRole backgroundRole(StyleBlock block)
{
    switch (block) {
    case StyleBlock::Large:
        return PageRole::Background;
    case StyleBlock::Medium:
        return PageRole::MediumBlock;
    case StyleBlock::Small:
        break;
    }
    return PageRole::SmallBlock;
}

QString styleText(const StyleChoice &choice, const PageColorSet &colors)
{
    const StyleAttributeWrap wrap =
        styleAttributeWrap(choice.leadingSpace, choice.styleAttribute, choice.quote);
    QString text = wrap.opening;
    if (choice.textColor)
        text += QStringLiteral("color:") + colors.caption(PageRole::Text) + u';';
    if (choice.background)
        text += QStringLiteral("background-color:") + colors.caption(backgroundRole(choice.block)) +
                u';';
    return text + wrap.closing;
}

QString linkRules(const LinkRuleChoice &choice, const PageColorSet &colors)
{
    struct Rule
    {
        bool wanted;
        const char *selector;
        PageRole role;
    };
    const Rule rules[] = {
        {choice.link, "a:link", PageRole::Link},
        {choice.visited, "a:visited", PageRole::VisitedLink},
        {choice.hover, "a:hover", PageRole::HoverLink},
        {choice.active, "a:active", PageRole::ActiveLink},
    };
    QString text;
    for (const Rule &rule : rules) {
        if (rule.wanted)
            text += QStringLiteral("%1{color:%2}\r\n")
                        .arg(QLatin1String(rule.selector), colors.caption(rule.role));
    }
    return text;
}

} // namespace tintmill
