#include "scrollbarcodeoptions.h"

namespace tintmill {

ScrollbarCodeOptions::ScrollbarCodeOptions(QObject *parent) : QObject(parent)
{
    connect(&tagMode, &Toggle::clicked, this, &ScrollbarCodeOptions::chkScrTag_Click);
    connect(&tagKind, &OptionGroup::clicked, this, &ScrollbarCodeOptions::optTag_Click);
    connect(&styleAttribute, &Toggle::clicked, this, &ScrollbarCodeOptions::chkStyleSc_Click);
}

void ScrollbarCodeOptions::setRows(const QString &rows)
{
    if (rows == m_rows)
        return;
    m_rows = rows;
    emit rowsChanged(rows);
}

void ScrollbarCodeOptions::setColumns(const QString &columns)
{
    if (columns == m_columns)
        return;
    m_columns = columns;
    emit columnsChanged(columns);
}

void ScrollbarCodeOptions::disableTextareaOptions()
{
    setCountsEnabled(false);
    tagKind.setAllEnabled(false);
    quote.setAllEnabled(false);
}

ScrollbarTarget ScrollbarCodeOptions::ruleBlockTarget() const
{
    return ruleTarget.isSelected(0) ? ScrollbarTarget::Body : ScrollbarTarget::Textarea;
}

ScrollbarAttributeOptions ScrollbarCodeOptions::attributeOptions() const
{
    ScrollbarAttributeOptions options;
    options.withTag = tagMode.isChecked();
    options.tag = tagKind.isSelected(0) ? ScrollbarTarget::Body : ScrollbarTarget::Textarea;
    options.rows = m_rows;
    options.columns = m_columns;
    options.leadingSpace = leadingSpace.isChecked();
    options.styleAttribute = styleAttribute.isChecked();
    options.quote = quote.isSelected(0) ? Quote::Double : Quote::Single;
    return options;
}

void ScrollbarCodeOptions::chkScrTag_Click()
{
    if (tagMode.isChecked()) {
        // Ticking the style box runs its own click, which enables the quotes.
        styleAttribute.setChecked(true);
        styleAttribute.setEnabled(false);
        leadingSpace.setChecked(true);
        leadingSpace.setEnabled(false);
        tagKind.setAllEnabled(true);
    } else {
        styleAttribute.setEnabled(true);
        leadingSpace.setEnabled(true);
        tagKind.setAllEnabled(false);
    }
    setCountsEnabled(tagMode.isChecked() && tagKind.isSelected(1));
}

void ScrollbarCodeOptions::optTag_Click()
{
    setCountsEnabled(tagMode.isChecked() && tagKind.isSelected(1));
}

void ScrollbarCodeOptions::chkStyleSc_Click()
{
    // Follows the box rather than flipping, so the quotes cannot end up
    // enabled exactly when they do not apply.
    quote.setAllEnabled(styleAttribute.isChecked());
}

void ScrollbarCodeOptions::setCountsEnabled(bool enabled)
{
    if (enabled == m_countsEnabled)
        return;
    m_countsEnabled = enabled;
    emit countsEnabledChanged(enabled);
}

} // namespace tintmill
