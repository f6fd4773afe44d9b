#pragma once

#include "colorset/pagecolorset.h"
#include "core/roles.h"
#include "styleattribute.h"

#include <QString>
#include <array>

namespace tintmill {

// The generators write the set's captions "#RRGGBB" exactly as they stand: a
// lower-case caption taken from a stored set stays lower case in the code.

// Which colour attributes the body start tag carries.
struct BodyTagChoice
{
    bool text = false;
    bool link = false;
    bool vlink = false;
    bool alink = false;
    bool bgcolor = false;
};

// `<body ...>` on one line, the attributes always in the order text, link,
// vlink, alink, bgcolor, however the boxes were ticked.
QString bodyTag(const BodyTagChoice &choice, const PageColorSet &colors);

// Which block's colour serves as the background of the style text.
enum class StyleBlock
{
    Large = 0,
    Medium = 1,
    Small = 2
};

PageRole backgroundRole(StyleBlock block);

struct StyleChoice
{
    bool leadingSpace = false;
    bool styleAttribute = false;
    Quote quote = Quote::Double;
    bool textColor = false;
    bool background = false;
    StyleBlock block = StyleBlock::Large;
};

// A declaration list, text colour before background colour, each ending in
// ";", optionally wrapped as a style attribute.
QString styleText(const StyleChoice &choice, const PageColorSet &colors);

// Which link pseudo-classes get a rule.
struct LinkRuleChoice
{
    bool link = false;
    bool visited = false;
    bool hover = false;
    bool active = false;
};

// One rule per line, always in the order link, visited, hover, active (the
// order in which the rules must stand for hover and active to win), each line
// ending in CR LF.
QString linkRules(const LinkRuleChoice &choice, const PageColorSet &colors);

} // namespace tintmill
