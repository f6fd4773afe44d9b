#pragma once

#include "scrollbar/scrollbarcolorset.h"
#include "styleattribute.h"

#include <QString>
#include <QStringList>

namespace tintmill {

// What a scrollbar rule block or tag is for.
enum class ScrollbarTarget
{
    Body,
    Textarea
};

// "scrollbar-face-color:" followed by the caption as it is (its letter case
// kept) and ";".
QString scrollbarDeclaration(ScrRole role, const QString &caption);

// The declarations of the roles that are switched on, in role order.
QStringList scrollbarDeclarations(const ScrollbarColorSet &set);

// A rule block for a style element: "body{" or "textarea{", one declaration
// per line, and "}" with no line end after it.
QString scrollbarRuleBlock(const ScrollbarColorSet &set, ScrollbarTarget target);

struct ScrollbarAttributeOptions
{
    bool withTag = false;
    ScrollbarTarget tag = ScrollbarTarget::Body;
    QString rows;
    QString columns;
    bool leadingSpace = false;
    bool styleAttribute = false;
    Quote quote = Quote::Double;
};

enum class MissingCount
{
    None,
    Rows,
    Columns
};

struct ScrollbarAttributeResult
{
    MissingCount missing = MissingCount::None; // when set, there is no text
    QString text;
};

// The declarations as a style attribute value, optionally inside a body start
// tag or a whole textarea element. A textarea needs both counts; the rows are
// asked for first.
ScrollbarAttributeResult scrollbarStyleAttribute(const ScrollbarColorSet &set,
                                                 const ScrollbarAttributeOptions &options);

} // namespace tintmill
