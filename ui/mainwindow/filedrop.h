#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace tintmill {

// Files dragged from a file manager and dropped anywhere on a window: on any
// of its pages and panes, docked or floating, a text box too, which would
// otherwise take a file's name for text. The drag is met where the window system hands it to
// the window, before any control sees it. Only local files are taken;
// anything else dragged (text, a web address) goes on to the control under
// the pointer as before. The files are handed over once the drop is done,
// so that the file manager is not kept waiting on a message.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    using Open = std::function<void(const QStringList &paths)>;

    // Takes the files dropped on `window` (a top-level window) or on its
    // panes and gives them to `open`; `window` owns it.
    FileDrop(QWidget &window, Open open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget &widget);

    Open m_open;
};

// The local files of what is dragged, as paths that keep every byte of
// their names; none for anything else.
QStringList droppedFiles(const QMimeData *data);

} // namespace tintmill
