#include "frmhelp.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/toolwindowscroller.h"

#include <QMenu>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tintmill {

namespace {

// Wide enough for a line of some forty Japanese characters, tall enough for
// a section or two.
const QSize designedSize(640, 720);

} // namespace

FrmHelp::FrmHelp(QWidget *parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Tintmillの使い方"));
    setModal(false);
    setSizeGripEnabled(true);

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

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(designedSize);
}

void FrmHelp::showBeside(const QWidget &mainWindow)
{
    if (!m_placed) {
        m_placed = true;
        const QScreen *screen = mainWindow.screen();
        const QRect available =
            screen != nullptr ? screen->availableGeometry() : QRect(QPoint(), size());
        const QRect placed =
            placeToolWindow(mainWindow.frameGeometry(), designedSize, QSize(320, 240), available);
        resize(placed.size());
        move(placed.topLeft());
    }
    show();
    raise();
    activateWindow();
}

QAction *addManualItem(QMenu &menu, QWidget &owner)
{
    QAction *item = menu.addAction(QStringLiteral("使い方(&M)…"));
    item->setObjectName(QStringLiteral("mnuManual"));
    item->setShortcut(QKeySequence(Qt::Key_F1));
    // Also from a tool window or this window itself; a modal dialog in front
    // still keeps it.
    item->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(item, &QAction::triggered, &owner, [&owner] {
        auto *window = owner.findChild<FrmHelp *>(QString(), Qt::FindDirectChildrenOnly);
        if (window == nullptr)
            window = new FrmHelp(&owner);
        window->showBeside(owner);
    });
    return item;
}

} // namespace tintmill
