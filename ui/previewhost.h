#pragma once

#include "platform/services.h"

#include <QWidget>

class QWebEngineView;

namespace tintmill {

// Holds the embedded browser view `broPre`. Starting the browser engine takes a
// noticeable moment, so the view is created only once the main window has
// painted; a page asked for before then is loaded as soon as the view exists.
class PreviewHost : public QWidget, public PreviewBrowser
{
    Q_OBJECT

public:
    explicit PreviewHost(QWidget *parent = nullptr);

    void navigate(const QUrl &url) override;

    // Creates the view now if it does not exist yet.
    void createView();
    // Creates the view just after `window` has painted for the first time.
    void createViewAfterFirstPaintOf(QWidget *window);
    QWebEngineView *view() const { return m_view; }

signals:
    void viewCreated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWebEngineView *m_view = nullptr;
    QUrl m_pendingUrl;
    QWidget *m_firstPaintWatched = nullptr;
};

} // namespace tintmill
