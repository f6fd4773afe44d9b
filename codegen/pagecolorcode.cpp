#include "pagecolorcode.h"

#include "editor/pagecoloreditor.h"

namespace tintmill {

namespace {

const QString &captionOf(const PageCaptions &captions, PageRole role)
{
    return captions.at(toIndex(role));
}

QString attribute(const char *name, const QString &value)
{
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value);
}

} // namespace

PageCaptions pageCaptions(const PageColorEditor &editor)
{
    PageCaptions captions;
    for (const PageRole role : allPageRoles)
        captions.at(toIndex(role)) = editor.caption(role);
    return captions;
}

QString bodyTag(const BodyTagChoice &choice, const PageCaptions &captions)
{
    QString tag = QStringLiteral("<body");
    if (choice.text)
        tag += attribute("text", captionOf(captions, PageRole::Text));
    if (choice.link)
        tag += attribute("link", captionOf(captions, PageRole::Link));
    if (choice.vlink)
        tag += attribute("vlink", captionOf(captions, PageRole::VisitedLink));
    if (choice.alink)
        tag += attribute("alink", captionOf(captions, PageRole::ActiveLink));
    if (choice.bgcolor)
        tag += attribute("bgcolor", captionOf(captions, PageRole::Background));
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

QString styleText(const StyleChoice &choice, const PageCaptions &captions)
{
    const StyleAttributeWrap wrap =
        styleAttributeWrap(choice.leadingSpace, choice.styleAttribute, choice.quote);
    QString text = wrap.opening;
    if (choice.textColor)
        text += QStringLiteral("color:") + captionOf(captions, PageRole::Text) + u';';
    if (choice.background)
        text += QStringLiteral("background-color:") +
                captionOf(captions, backgroundRole(choice.block)) + u';';
    return text + wrap.closing;
}

QString linkRules(const LinkRuleChoice &choice, const PageCaptions &captions)
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
                        .arg(QLatin1String(rule.selector), captionOf(captions, rule.role));
    }
    return text;
}

} // namespace tintmill
