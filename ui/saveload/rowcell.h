#pragma once

#include "platform/rowlist.h"

#include <QFrame>
#include <QString>

namespace tintmill {

// One box of a list row: a line of text that cannot be edited, painted in the
// colours of the row's mark. The text is drawn from the glyphs' own height, so
// it shows whole in the row's fixed 270 twips, and elided where it is too long
// (the whole text is then the tool tip, unless the box has one of its own).
class RowCell : public QFrame
{
    Q_OBJECT

public:
    explicit RowCell(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // A tool tip of the box's own, such as a file's folder.
    void setOwnToolTip(const QString &toolTip);

    RowMark mark() const { return m_mark; }
    void setMark(RowMark mark);

    // Colours of each mark: plain is the desktop's text-box colours.
    QColor background() const;
    QColor foreground() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateToolTip();

    QString m_text;
    QString m_ownToolTip;
    RowMark m_mark = RowMark::Plain;
};

} // namespace tintmill
