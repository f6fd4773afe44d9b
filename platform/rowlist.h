#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace tintmill {

// How one row of a scrolling list is marked.
enum class RowMark
{
    Plain,   // an idle row
    Chosen,  // the entry the current colours came from, or one marked for release
    Hovered, // under the mouse
};

// The state shared by every scrolling list of one-line rows (the open-file
// lists, the overwrite and release dialog's list, the remembered-set lists):
// how many rows there are, each row's mark and how far the rows are scrolled.
//
// What a row says belongs to the entries a subclass holds, so it is asked for
// rather than copied here. Row 0 always exists: a list without entries shows
// it blank, and hovering it does nothing.
class RowList : public QObject
{
    Q_OBJECT

public:
    // Every row is this many twips high; the scroll position is in twips too.
    static constexpr int rowHeight = 270;
    // Room left below the last row when the rows overflow the viewport.
    static constexpr int bottomMargin = 50;

    RowList(int columnCount, int viewportHeight, QObject *parent = nullptr);

    int columnCount() const { return m_columnCount; }
    virtual QString text(int row, int column) const = 0;
    virtual QString toolTip(int row, int column) const;

    // At least 1: the blank row 0 of an empty list counts.
    int rowCount() const { return static_cast<int>(m_marks.size()); }
    int highestRow() const { return rowCount() - 1; }
    bool isEmpty() const { return m_entryCount == 0; }

    RowMark mark(int row) const { return m_marks.at(static_cast<size_t>(row)); }
    bool isChosen(int row) const { return mark(row) == RowMark::Chosen; }
    // The first chosen row from the top, if any.
    std::optional<int> chosenRow() const;

    // Row `row` chosen, every other row plain.
    void choose(int row);
    // Every row plain.
    void clearMarks();
    // The mouse left the rows: every row that is not chosen becomes plain.
    void leave();
    // The mouse is over row `row`: unless chosen it is hovered, every other row
    // that is not chosen plain. Nothing happens while the list has no entries.
    void hover(int row);
    // A chosen row becomes plain, any other row chosen.
    void toggleChosen(int row);

    int viewportHeight() const { return m_viewportHeight; }
    // Rows overflowing the viewport can be scrolled up to this far, with a
    // margin below the last row; 0 while they all fit.
    int scrollMaximum() const { return m_scrollMaximum; }
    int scrollValue() const { return m_scrollValue; }
    // Clamped to 0..scrollMaximum().
    void setScrollValue(int value);
    void scrollToEnd() { setScrollValue(m_scrollMaximum); }

signals:
    // Rows came or went, or what they say changed.
    void rowsChanged();
    void marksChanged();
    void scrollChanged();

protected:
    // The subclass's entries changed to `entryCount`: rows past it go, new rows
    // come in plain, the scroll range follows (the value moves down with it).
    void setEntryCount(int entryCount);
    // What some rows say changed, their number did not.
    void textsChanged() { emit rowsChanged(); }

private:
    void setMarks(const std::vector<RowMark> &marks);

    int m_columnCount;
    int m_viewportHeight;
    int m_entryCount = 0;
    std::vector<RowMark> m_marks{RowMark::Plain};
    int m_scrollMaximum = 0;
    int m_scrollValue = 0;
};

} // namespace tintmill
