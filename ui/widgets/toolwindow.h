#pragma once

#include <QAction>
#include <QDialog>
#include <QMenu>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace tintmill {

class ToolWindowScroller;

// The main window that tool windows open beside, and the column of its
// client area from which its preview must stay in view where a tool window
// has to cover part of it.
struct ToolWindowHost
{
    QWidget *window;
    int previewLeft;
};

// A window beside the main one that follows the colours there: a tool
// window of its host, never modal, with a close button at its foot. Its
// parts are laid out in body(), above the buttons, by layouts that let them
// reflow to the window's width; the page scrolls inside the window where the
// screen is too small even so. There is one window of each kind, found with
// running().
class ToolWindow : public QDialog
{
    Q_OBJECT

public:
    // Shows the window, brought to the front: placed beside the host's
    // window the first time (placeToolWindow), where the user left it after.
    void showBeside(const ToolWindowHost &host);

    template<typename Window> static Window *running(const QWidget &host)
    {
        return host.findChild<Window *>(QString(), Qt::FindDirectChildrenOnly);
    }

protected:
    // A hidden window of `host`; its close button, "閉じる(&C)", is named
    // `closeButtonName`.
    ToolWindow(QWidget *host, const char *objectName, const QString &title,
               const char *closeButtonName);

    // The page the controls are made on.
    QWidget *content() const { return m_content; }
    // The window's parts, top to bottom, above the row of buttons.
    QVBoxLayout *body() const { return m_body; }
    QPushButton *closeButton() const { return m_close; }
    // A button at the window's foot: on the left, or on the right before
    // the close button.
    void addFootButton(QPushButton *button, Qt::AlignmentFlag side);
    // The page's margins, and the room between its parts.
    void setSpacing(const QMargins &margins, int spacing);
    // The size the window opens at where there is room, when it is not the
    // size its parts ask for: a box that takes what room there is gets its
    // designed share.
    void setDesignedSize(const QSize &size) { m_designed = size; }
    // A line above the buttons, named `objectName`, that says what a button
    // did (the text is on the clipboard, the file is saved).
    void addNoticeLine(const char *objectName);
    // Says `notice` on that line; a brief one goes again after a few
    // seconds, any one when the window's text changes (clearNotice).
    void showNotice(const QString &notice, bool brief);
    void clearNotice();
    // The button Enter presses anywhere in the window. Without one, Enter
    // presses nothing: no other button of a tool window is ever a default.
    void setDefaultButton(QPushButton *button);

    void showEvent(QShowEvent *event) override;

private:
    void place(const ToolWindowHost &host);

    QWidget *m_content;
    QVBoxLayout *m_page;
    QVBoxLayout *m_body;
    QHBoxLayout *m_foot;
    int m_leadingButtons = 0;
    QPushButton *m_close;
    QSize m_designed;
    QLabel *m_notice = nullptr;
    QTimer *m_noticeTimer = nullptr;
    QPushButton *m_default = nullptr;
    ToolWindowScroller *m_scroller;
    bool m_placed = false;
    bool m_defaultsSettled = false;
    QMargins m_frame; // allowed for when last placed
};

// Adds the item named `objectName` to `menu`. It opens the one window of its
// kind beside the host, made by `make(QWidget &host)` on first use and
// brought to the front after.
template<typename Window, typename Make>
QAction *addToolWindowItem(QMenu &menu, const ToolWindowHost &host, const char *objectName,
                           const QString &caption, Make make)
{
    QAction *item = menu.addAction(caption);
    item->setObjectName(QString::fromLatin1(objectName));
    QObject::connect(item, &QAction::triggered, host.window, [host, make] {
        Window *window = ToolWindow::running<Window>(*host.window);
        if (window == nullptr)
            window = make(*host.window);
        window->showBeside(host);
    });
    return item;
}

} // namespace tintmill
