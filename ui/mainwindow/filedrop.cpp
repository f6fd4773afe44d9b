#include "filedrop.h"

#include "platform/nativepath.h"

#include <QDockWidget>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace tintmill {

FileDrop::FileDrop(QWidget &window, Open open) : QObject(&window), m_open(std::move(open))
{
    watch(window);
}

void FileDrop::watch(QWidget &widget)
{
    // The window system's window comes and goes with showing and docking.
    widget.installEventFilter(this);
    if (QWindow *handle = widget.windowHandle(); handle != nullptr)
        handle->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildPolished:
        // A pane, which floated is a window of its own.
        if (auto *pane = qobject_cast<QDockWidget *>(static_cast<QChildEvent *>(event)->child());
            pane != nullptr)
            watch(*pane);
        break;
    case QEvent::Show:
    case QEvent::WinIdChange:
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget != nullptr && widget->windowHandle() != nullptr)
            widget->windowHandle()->installEventFilter(this);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        if (qobject_cast<QWindow *>(watched) == nullptr)
            break;
        auto *drag = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedFiles(drag->mimeData());
        if (paths.isEmpty())
            break;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        if (event->type() == QEvent::Drop)
            QTimer::singleShot(0, this, [this, paths] { m_open(paths); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // The encoded path holds the name's bytes as they are: a name that
        // is not UTF-8 still leads to its file.
        paths << pathFromNative(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    return paths;
}

} // namespace tintmill
