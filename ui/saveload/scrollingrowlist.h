#pragma once

#include <QFrame>
#include <QList>
#include <vector>

class QScrollBar;

namespace tintmill {

class RowCell;
class RowList;

// Where a list's controls go, in twips, inside its viewport.
struct RowListDesign
{
    struct Column
    {
        const char *namePrefix; // the row boxes are named prefix_row
        int left;
        int width;
    };

    const char *viewportName;
    int viewportWidth;
    int viewportHeight;
    std::vector<Column> columns;
    const char *scrollBarName;
    int scrollBarLeft;
    int scrollBarHeight;
};

// A viewport of read-only one-line rows (RowCell), one box per column, with a vertical
// scroll bar: it shows a RowList (rows, marks, scroll position) and reports
// what the mouse and keyboard do to the rows. What a hover or a click means
// is the owner's to decide.
//
// The rows can be reached with the keyboard too: Up and Down move between
// rows, Return or Space acts as a click.
class ScrollingRowList : public QFrame
{
    Q_OBJECT

public:
    static constexpr int scrollBarWidth = 255;

    ScrollingRowList(RowList &list, RowListDesign design, QWidget *parent = nullptr);

    RowCell *cell(int row, int column) const;
    QScrollBar *scrollBar() const { return m_scrollBar; }

signals:
    void rowClicked(int row);
    void rowHovered(int row);
    // The mouse moved over the viewport itself, off the rows.
    void rowsLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showRows();
    void showMarks();
    void showScroll();
    void layOutRows();
    void ensureVisible(int row);
    void focusRow(int row, int column);
    RowCell *makeCell(int row, int column);
    int rowOf(const QObject *cell) const;

    RowList &m_list;
    RowListDesign m_design;
    QScrollBar *m_scrollBar = nullptr;
    // By row, then by column.
    QList<QList<RowCell *>> m_cells;
};

} // namespace tintmill
