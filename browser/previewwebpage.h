#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <functional>

namespace tintmill {

// The web page behind the preview view. It shows only the preview page: a
// link the user follows, in the page or towards a new window, is handed to
// the desktop's own browser instead, and nothing else may lead the view away.
class PreviewWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    using Opener = std::function<void(const QUrl &)>;

    PreviewWebPage(Opener opener, QObject *parent = nullptr);

    // The one address the view may show.
    void setPreviewUrl(const QUrl &url) { m_previewUrl = url; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    void openExternally(const QUrl &url) const;

    Opener m_openExternally;
    QUrl m_previewUrl;
};

} // namespace tintmill
