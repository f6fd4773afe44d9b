#include "previewhost.h"

#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace tintmill {

PreviewHost::PreviewHost(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void PreviewHost::navigate(const QUrl &url)
{
    if (m_view)
        m_view->load(url);
    else
        m_pendingUrl = url;
}

void PreviewHost::createViewAfterFirstPaintOf(QWidget *window)
{
    m_firstPaintWatched = window;
    window->installEventFilter(this);
}

bool PreviewHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_firstPaintWatched && event->type() == QEvent::Paint) {
        m_firstPaintWatched->removeEventFilter(this);
        m_firstPaintWatched = nullptr;
        // Queued, so that this paint reaches the screen before the engine starts.
        QTimer::singleShot(0, this, &PreviewHost::createView);
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewHost::createView()
{
    if (m_view)
        return;
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("broPre"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    layout()->addWidget(m_view);
    if (!m_pendingUrl.isEmpty())
        m_view->load(m_pendingUrl);
    m_pendingUrl.clear();
    emit viewCreated();
}

} // namespace tintmill
