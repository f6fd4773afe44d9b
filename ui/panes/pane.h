#pragma once

#include <QDockWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace tintmill {

class PaneScroller;

// A pane of the main window that follows the colours there: docked beside
// the designed content, or floating, as the user leaves it (see Workspace).
// Its parts are laid out in body(), above a row of buttons that ends in
// 閉じる, by layouts that let them reflow to the pane's width; the pane is
// never narrower than its parts at their narrowest, and scrolls where it is
// lower than they need. Enter presses its default button, if it has one;
// Esc closes it while it floats.
class Pane : public QDockWidget
{
    Q_OBJECT

public:
    // Moves the keyboard focus to the pane's first text field, else its
    // first control: where a pane that opens has it.
    void focusFirstControl();
    // Moves the keyboard focus back into the pane, to the control that had
    // it last, else as focusFirstControl().
    void takeFocus();
    // The controls Tab reaches in the pane, in the order it reaches them.
    QList<QWidget *> tabStops() const;
    // Open and in view: not closed, nor behind another pane's tab.
    bool isOnShow() const;

signals:
    // The pane is about to close, by whatever means; its parts still show.
    void closing();

protected:
    // A pane named `name`, which the pane list knows, with its title and
    // its 閉じる button's name from there.
    Pane(const char *name, QWidget *parent);

    // The page the controls are made on.
    QWidget *content() const { return m_content; }
    // The pane's parts, top to bottom, above the row of buttons.
    QVBoxLayout *body() const { return m_body; }
    QPushButton *closeButton() const { return m_close; }
    // A button at the pane's foot: on the left, or on the right before 閉じる.
    void addFootButton(QPushButton *button, Qt::AlignmentFlag side);
    // The page's margins, and the room between its parts.
    void setSpacing(const QMargins &margins, int spacing);
    // The size the pane asks for, when it is not the size its parts ask
    // for: a box that takes what room there is gets its designed share.
    void setDesignedSize(const QSize &size);
    // A line above the buttons, named `objectName`, that says what a button
    // did (the text is on the clipboard, the file is saved).
    void addNoticeLine(const char *objectName);
    // Says `notice` on that line; a brief one goes again after a few
    // seconds, any one when the pane's text changes (clearNotice).
    void showNotice(const QString &notice, bool brief);
    void clearNotice();
    // The button Enter presses anywhere in the pane. Without one, Enter
    // presses nothing.
    void setDefaultButton(QPushButton *button);

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void focus(QWidget *control);

    QWidget *m_content;
    PaneScroller *m_scroller;
    QVBoxLayout *m_page;
    QVBoxLayout *m_body;
    QHBoxLayout *m_foot;
    int m_leadingButtons = 0;
    QPushButton *m_close;
    QLabel *m_notice = nullptr;
    QTimer *m_noticeTimer = nullptr;
    QPushButton *m_default = nullptr;
    bool m_footOrdered = false;
    bool m_inView = false;
};

} // namespace tintmill
