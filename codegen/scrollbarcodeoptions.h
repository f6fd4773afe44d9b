#pragma once

#include "platform/toggle.h"
#include "scrollbarrules.h"

#include <QObject>
#include <QString>

namespace tintmill {

// The options of the two scrollbar code generators, with the rules that tie
// their enabled states together:
// - the quote options are enabled exactly while the style attribute is on;
// - tag mode turns the style attribute and the leading space on and locks
//   them, and enables the choice of tag; leaving it unlocks them as they are;
// - the row and column counts are enabled exactly in tag mode for a textarea.
class ScrollbarCodeOptions : public QObject
{
    Q_OBJECT

public:
    explicit ScrollbarCodeOptions(QObject *parent = nullptr);

    OptionGroup ruleTarget{2}; // optBodyY, optAreaY
    Toggle tagMode;            // chkScrTag
    OptionGroup tagKind{2};    // optTag: body, textarea
    OptionGroup quote{2};      // optDoubleSc, optSingleSc
    Toggle leadingSpace;       // chkSpaceSc
    Toggle styleAttribute;     // chkStyleSc

    bool countsEnabled() const { return m_countsEnabled; }
    QString rows() const { return m_rows; }
    QString columns() const { return m_columns; }
    void setRows(const QString &rows);
    void setColumns(const QString &columns);

    // The tag options start disabled, as nothing asks for a tag yet.
    void disableTextareaOptions();

    ScrollbarTarget ruleBlockTarget() const;
    ScrollbarAttributeOptions attributeOptions() const;

signals:
    void countsEnabledChanged(bool enabled);
    void rowsChanged(const QString &rows);
    void columnsChanged(const QString &columns);

private:
    void chkScrTag_Click();
    void optTag_Click();
    void chkStyleSc_Click();
    void setCountsEnabled(bool enabled);

    bool m_countsEnabled = true;
    QString m_rows;
    QString m_columns;
};

} // namespace tintmill
