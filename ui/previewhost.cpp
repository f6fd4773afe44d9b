#include "previewhost.h"

#include "platform/textfile.h"
#include "previewwebpage.h"
#include "scrollbar/legacyscrollbarstyle.h"
#include "scrollbar/previewpage.h"

#include <QDesktopServices>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace tintmill {

namespace {

const QString displayStyleScriptName = QStringLiteral("tintmill-display-style");

QString pageText(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const ReadResult page = readRegularFile(url.toLocalFile(), previewPageMaxBytes);
    return page.ok() ? decodeCp932(page.bytes) : QString();
}

} // namespace

QString styleInjectionScript(const QString &css)
{
    // The style sheet travels as a JSON string, so no character of it can end
    // the script early. The script runs as soon as the document exists and
    // adds the sheet the moment the root element is there, before the first
    // frame is painted: the engine's own scrollbar never flashes up.
    const QString literal =
        QString::fromUtf8(QJsonDocument(QJsonArray{css}).toJson(QJsonDocument::Compact));
    return QStringLiteral("(function(){var css=%1[0];"
                          "function add(){var s=document.createElement('style');s.textContent=css;"
                          "document.documentElement.appendChild(s);}"
                          "if(document.documentElement){add();return;}"
                          "var o=new MutationObserver(function(){if(document.documentElement){"
                          "o.disconnect();add();}});"
                          "o.observe(document,{childList:true});})();")
        .arg(literal);
}

PreviewHost::PreviewHost(QWidget *parent)
    : QWidget(parent), m_externalOpener([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void PreviewHost::navigate(const QUrl &url)
{
    if (m_view)
        load(url);
    else
        m_pendingUrl = url;
}

void PreviewHost::setExternalOpener(std::function<void(const QUrl &)> opener)
{
    m_externalOpener = std::move(opener);
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
    m_page = new PreviewWebPage(m_externalOpener, m_view);
    m_view->setPage(m_page);
    layout()->addWidget(m_view);
    if (!m_pendingUrl.isEmpty())
        load(m_pendingUrl);
    m_pendingUrl.clear();
    emit viewCreated();
}

void PreviewHost::load(const QUrl &url)
{
    // The page on disk is the one the view loads: read it now, so that the
    // added rules describe exactly that page.
    QWebEngineScriptCollection &scripts = m_page->scripts();
    for (const QWebEngineScript &old : scripts.find(displayStyleScriptName))
        scripts.remove(old);
    QWebEngineScript style;
    style.setName(displayStyleScriptName);
    style.setInjectionPoint(QWebEngineScript::DocumentCreation);
    // A world of its own: nothing on the page can see or disturb the script.
    style.setWorldId(QWebEngineScript::ApplicationWorld);
    style.setSourceCode(styleInjectionScript(legacyDisplayStyle(pageText(url))));
    scripts.insert(style);

    m_page->setPreviewUrl(url);
    m_page->load(url);
}

} // namespace tintmill
