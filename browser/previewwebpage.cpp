#include "previewwebpage.h"

#include <QColor>
#include <QWebEngineNewWindowRequest>

namespace tintmill {

PreviewWebPage::PreviewWebPage(Opener opener, QObject *parent)
    : QWebEnginePage(parent), m_openExternally(std::move(opener))
{
    // The page is black; so is the view before its first load.
    setBackgroundColor(QColor(Qt::black));
    // target="_blank": no window of our own, the desktop's browser opens it.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest &request) {
                if (request.isUserInitiated())
                    openExternally(request.requestedUrl());
            });
}

bool PreviewWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (url.adjusted(QUrl::RemoveFragment) == m_previewUrl)
        return true;
    if (type == NavigationTypeLinkClicked && isMainFrame)
        openExternally(url);
    return false;
}

void PreviewWebPage::openExternally(const QUrl &url) const
{
    // Only web addresses leave the program; anything else a page could name
    // (local files, other schemes) is not handed to the desktop.
    const QString scheme = url.scheme();
    if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"))
        m_openExternally(url);
}

} // namespace tintmill
