#include "webpreviewview.h"

#include "previewwebpage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace tintmill {

namespace {

const QString displayStyleScriptName = QStringLiteral("tintmill-display-style");

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

WebPreviewView::WebPreviewView(QWidget *parent, PreviewViewHooks hooks)
    : QWebEngineView(parent), m_hooks(std::move(hooks)),
      m_page(new PreviewWebPage(m_hooks.openExternally, this))
{
    setObjectName(QStringLiteral("broPre"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setPage(m_page);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) { m_hooks.pageLoaded(ok); });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this] { m_hooks.engineStopped(); });
}

void WebPreviewView::navigate(const QUrl &url)
{
    // The rules are worked out now, from the page as it is on disk, so that
    // they describe exactly the page the engine is about to load.
    QWebEngineScriptCollection &scripts = m_page->scripts();
    for (const QWebEngineScript &old : scripts.find(displayStyleScriptName))
        scripts.remove(old);
    QWebEngineScript style;
    style.setName(displayStyleScriptName);
    style.setInjectionPoint(QWebEngineScript::DocumentCreation);
    // A world of its own: nothing on the page can see or disturb the script.
    style.setWorldId(QWebEngineScript::ApplicationWorld);
    style.setSourceCode(styleInjectionScript(m_hooks.displayStyle(url)));
    scripts.insert(style);

    m_page->setPreviewUrl(url);
    m_page->load(url);
}

} // namespace tintmill
