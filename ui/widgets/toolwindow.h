#pragma once

#include <QAction>
#include <QDialog>
#include <QMenu>

class QPushButton;

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
// window of its host, never modal, with a close button. Its controls go on
// content(), which scrolls inside the window where the screen is too small.
// There is one window of each kind, found with running().
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

    QWidget *content() const { return m_content; }
    QPushButton *closeButton() const { return m_close; }
    // The button Enter presses anywhere in the window. Without one, Enter
    // presses nothing: no other button of a tool window is ever a default.
    void setDefaultButton(QPushButton *button);

    void showEvent(QShowEvent *event) override;

private:
    void place(const ToolWindowHost &host);

    QWidget *m_content;
    QPushButton *m_close;
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
