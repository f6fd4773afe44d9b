#pragma once

#include "platform/services.h"

#include <QWidget>
#include <functional>

class QWebEngineView;

namespace tintmill {

class PreviewWebPage;

// Holds the embedded browser view `broPre`. Starting the browser engine takes a
// noticeable moment, so the view is created only once the main window has
// painted; a page asked for before then is loaded as soon as the view exists.
//
// The preview page colours its scrollbar with legacy properties that today's
// engine ignores. The view reads the page it is asked to show and adds, for
// display only, the engine's own scrollbar rules in the same colours; the file
// itself is left as it is.
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

    // How links that leave the preview are opened: by default in the
    // desktop's own browser. Takes effect for a view created afterwards.
    void setExternalOpener(std::function<void(const QUrl &)> opener);

signals:
    void viewCreated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load(const QUrl &url);

    QWebEngineView *m_view = nullptr;
    PreviewWebPage *m_page = nullptr;
    QUrl m_pendingUrl;
    QWidget *m_firstPaintWatched = nullptr;
    std::function<void(const QUrl &)> m_externalOpener;
};

// A script that adds `css` to a document as a style element of its own.
QString styleInjectionScript(const QString &css);

} // namespace tintmill
