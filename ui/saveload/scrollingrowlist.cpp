#include "scrollingrowlist.h"

#include "platform/rowlist.h"
#include "rowcell.h"
#include "ui/widgets/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace tintmill {

ScrollingRowList::ScrollingRowList(RowList &list, RowListDesign design, QWidget *parent)
    : QFrame(parent), m_list(list), m_design(std::move(design))
{
    Q_ASSERT(static_cast<int>(m_design.columns.size()) == m_list.columnCount());
    setObjectName(QString::fromLatin1(m_design.viewportName));
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    resize(twips::rect(0, 0, m_design.viewportWidth, m_design.viewportHeight).size());

    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QString::fromLatin1(m_design.scrollBarName));
    twips::place(m_scrollBar, m_design.scrollBarLeft, 0, scrollBarWidth, m_design.scrollBarHeight);
    // Steps in twips, as the value is: one row, and three rows a page.
    m_scrollBar->setSingleStep(RowList::rowHeight);
    m_scrollBar->setPageStep(3 * RowList::rowHeight);
    connect(m_scrollBar, &QScrollBar::valueChanged, &m_list, &RowList::setScrollValue);

    connect(&m_list, &RowList::rowsChanged, this, &ScrollingRowList::showRows);
    connect(&m_list, &RowList::marksChanged, this, &ScrollingRowList::showMarks);
    connect(&m_list, &RowList::scrollChanged, this, &ScrollingRowList::showScroll);
    showRows();
}

RowCell *ScrollingRowList::cell(int row, int column) const
{
    if (row < 0 || row >= m_cells.size())
        return nullptr;
    return m_cells.at(row).value(column);
}

void ScrollingRowList::showRows()
{
    // Rows beyond the list go; rows it has gained are made like row 0.
    while (m_cells.size() > m_list.rowCount()) {
        for (RowCell *box : m_cells.takeLast())
            box->deleteLater();
    }
    while (m_cells.size() < m_list.rowCount()) {
        const int row = static_cast<int>(m_cells.size());
        QList<RowCell *> boxes;
        for (int column = 0; column < m_list.columnCount(); ++column)
            boxes.append(makeCell(row, column));
        m_cells.append(boxes);
    }
    for (int row = 0; row < m_cells.size(); ++row) {
        for (int column = 0; column < m_list.columnCount(); ++column) {
            RowCell *box = m_cells.at(row).at(column);
            box->setText(m_list.text(row, column));
            box->setOwnToolTip(m_list.toolTip(row, column));
        }
    }
    showMarks();
    showScroll();
}

void ScrollingRowList::showMarks()
{
    for (int row = 0; row < m_cells.size(); ++row) {
        for (RowCell *box : m_cells.at(row))
            box->setMark(m_list.mark(row));
    }
}

void ScrollingRowList::showScroll()
{
    // Without overflow there is nothing to scroll: the bar stays, disabled.
    m_scrollBar->setRange(0, m_list.scrollMaximum());
    m_scrollBar->setEnabled(m_list.scrollMaximum() > 0);
    m_scrollBar->setValue(m_list.scrollValue());
    layOutRows();
}

void ScrollingRowList::layOutRows()
{
    // Rows keep whole pixels apart however far they are scrolled.
    const int shift = twips::toPixels(m_list.scrollValue());
    for (int row = 0; row < m_cells.size(); ++row) {
        for (int column = 0; column < m_cells.at(row).size(); ++column) {
            const RowListDesign::Column &design = m_design.columns.at(static_cast<size_t>(column));
            QRect area = twips::rect(design.left, row * RowList::rowHeight, design.width,
                                     RowList::rowHeight);
            m_cells.at(row).at(column)->setGeometry(area.translated(0, -shift));
        }
    }
    m_scrollBar->raise();
}

RowCell *ScrollingRowList::makeCell(int row, int column)
{
    auto *box = new RowCell(this);
    box->setObjectName(
        QStringLiteral("%1_%2")
            .arg(QString::fromLatin1(m_design.columns.at(static_cast<size_t>(column)).namePrefix))
            .arg(row));
    box->installEventFilter(this);
    box->show();
    return box;
}

int ScrollingRowList::rowOf(const QObject *box) const
{
    for (int row = 0; row < m_cells.size(); ++row) {
        if (m_cells.at(row).contains(box))
            return row;
    }
    return -1;
}

void ScrollingRowList::ensureVisible(int row)
{
    const int top = row * RowList::rowHeight;
    if (top < m_list.scrollValue())
        m_list.setScrollValue(top);
    else if (top + RowList::rowHeight > m_list.scrollValue() + m_design.viewportHeight)
        m_list.setScrollValue(top + RowList::rowHeight - m_design.viewportHeight);
}

void ScrollingRowList::focusRow(int row, int column)
{
    if (row < 0 || row >= m_cells.size())
        return;
    // Its focus-in scrolls it into sight.
    m_cells.at(row).at(column)->setFocus(Qt::OtherFocusReason);
}

bool ScrollingRowList::eventFilter(QObject *watched, QEvent *event)
{
    const int row = rowOf(watched);
    if (row < 0)
        return QFrame::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseMove:
        emit rowHovered(row);
        // Handled here: passed on to the viewport and frame, the move would
        // count as leaving the rows and wipe the hover mark at once.
        event->accept();
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *box = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && box->rect().contains(mouse->position().toPoint()))
            emit rowClicked(row);
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const int column = static_cast<int>(m_cells.at(row).indexOf(watched));
        switch (key->key()) {
        case Qt::Key_Up:
            focusRow(row - 1, column);
            return true;
        case Qt::Key_Down:
            focusRow(row + 1, column);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit rowClicked(row);
            return true;
        default:
            break;
        }
        break;
    }
    case QEvent::FocusIn:
        // A row reached with the keyboard is scrolled into sight.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
            ensureVisible(row);
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

void ScrollingRowList::mouseMoveEvent(QMouseEvent *event)
{
    emit rowsLeft();
    QFrame::mouseMoveEvent(event);
}

} // namespace tintmill
