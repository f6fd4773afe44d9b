#pragma once

#include <QObject>
#include <functional>

class QMainWindow;
class QWidget;

namespace tintmill {

class Pane;

// The keyboard between the main window's designed content and its panes,
// as desktop programs with panes have it: F6 moves the focus on to the next
// pane on show, and from the last back to the content; Shift+F6 the other
// way; Ctrl+W closes the pane that has the focus. The keys work in a
// floating pane too.
class PaneFocus : public QObject
{
    Q_OBJECT

public:
    // `panesOnShow` lists the panes open and in view.
    PaneFocus(QMainWindow &window, QWidget &content, std::function<QList<Pane *>()> panesOnShow);

    // Back to the control of the content that had the focus last.
    void enterContent();

private:
    void move(bool forward);
    void closeFocusedPane();
    // The pane the focus is in, if any.
    static Pane *focusedPane();

    QMainWindow &m_window;
    QWidget &m_content;
    std::function<QList<Pane *>()> m_panesOnShow;
};

} // namespace tintmill
