#include "frmhelp.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace tintmill {

FrmHelp::FrmHelp(QWidget *parent) : Pane("frmHelp", parent), m_browser(new QTextBrowser(content()))
{
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    // The manual's own faces, named as every face the program draws with:
    // left to the document, <kbd> would ask for a face no package here has.
    m_browser->document()->setDefaultFont(fonts::proportionalGothic(10.5));
    m_browser->document()->setDocumentMargin(12);
    m_browser->document()->setDefaultStyleSheet(
        QStringLiteral("kbd { font-family: '%1'; }").arg(fonts::gothic(10.5).family()));
    // Every link of the manual is to one of its headings (a test holds it to
    // that), which the browser follows by itself.
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/manual.ja.html")));
    body()->addWidget(m_browser);
    // Narrowed beside the content on a small screen, still some twenty
    // characters to a line.
    m_browser->setMinimumWidth(twips::toPixels(4500));
    // Wide enough for a line of some forty Japanese characters, tall enough
    // for a section or two; the text wraps and scrolls in any other size.
    setDesignedSize(QSize(640, 720));
}

} // namespace tintmill
