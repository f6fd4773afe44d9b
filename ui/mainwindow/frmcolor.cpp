#include "frmcolor.h"

#include "contentscroller.h"
#include "core/product.h"
#include "editmenu.h"
#include "filedrop.h"
#include "latepage.h"
#include "startupsequence.h"
#include "ui/about/frmabout.h"
#include "ui/code/csspage.h"
#include "ui/code/htmlpage.h"
#include "ui/code/scrollbarcodepage.h"
#include "ui/help/frmhelp.h"
#include "ui/panes/workspace.h"
#include "ui/picker/colorpickerpage.h"
#include "ui/picker/pagerolespage.h"
#include "ui/preview/previewblocks.h"
#include "ui/saveload/colorfileframe.h"
#include "ui/saveload/memoryframe.h"
#include "ui/saveload/saveloadpage.h"
#include "ui/scrollbar/scrollbareditorpage.h"
#include "ui/tools/export/frmexport.h"
#include "ui/tools/modernscrollbar/frmmodernsc.h"
#include "ui/tools/nearest/frmnearest.h"
#include "ui/tools/readability/frmcheck.h"
#include "ui/tools/scheme/frmscheme.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/mousemovewatch.h"
#include "ui/widgets/twips.h"
#include "viewmenu.h"
#include "workbench/workbench.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace tintmill {

namespace {

// Each main page carries what it is (a ColorChooser::MainPage).
constexpr const char *mainPageProperty = "tintmillMainPage";
// Where the window's right column begins: the preview, and its editor tabs
// under it.
constexpr int rightColumn = 6960; // twips

} // namespace

FrmColor::FrmColor(Workbench &workbench, QWidget *previewView, QWidget *parent)
    : QMainWindow(parent), m_workbench(workbench), m_previewView(previewView),
      m_exitProgram([] { QCoreApplication::exit(0); }),
      m_runDialog([](QDialog &dialog) { dialog.exec(); })
{
    setObjectName(QStringLiteral("frmColor"));
    setWindowTitle(QString::fromLatin1(product::title));

    auto *central = new QWidget;
    central->setFixedSize(twips::rect(0, 0, 11610, 9675).size());
    m_contentScroller = new ContentScroller(central, this);
    setCentralWidget(m_contentScroller);
    m_workspace = new Workspace(*this, *m_contentScroller);

    buildMenus();
    buildMainTabs(central);
    new FileDrop(*this, [this](const QStringList &paths) { m_workbench.intake.openFiles(paths); });

    // The page preview and the browser view share one place; the editor page on
    // show decides which of the two is visible.
    m_previewView->setParent(central);
    m_previewView->setAccessibleName(QStringLiteral("スクロールバーのプレビュー"));
    twips::place(m_previewView, rightColumn, 120, 4455, 5895);
    // A preview page that cannot be written would leave the view showing old
    // colours without a word: the reason takes the view's place instead, and
    // goes as soon as the page is written again.
    m_previewProblem = new QLabel(central);
    m_previewProblem->setObjectName(QStringLiteral("lblPreviewProblem"));
    twips::place(m_previewProblem, rightColumn, 120, 4455, 5895);
    m_previewProblem->setWordWrap(true);
    m_previewProblem->setAlignment(Qt::AlignCenter);
    m_previewProblem->setMargin(twips::toPixels(240));
    m_previewProblem->setFrameShape(QFrame::Box);
    m_previewProblem->hide();
    m_previewBlocks = new PreviewBlocks(m_workbench.pageEditor, central);
    connect(m_previewBlocks, &PreviewBlocks::roleClicked, this, [this](PageRole role) {
        m_workbench.chooser.setEditorPage(ColorChooser::PageColors);
        m_workbench.pageEditor.setSelectedRole(role);
    });
    connect(m_previewBlocks, &PreviewBlocks::menuRequested, this,
            [this](const QPoint &position) { m_viewMenu->popup(position); });
    buildViewMenu(m_viewMenu, m_workbench.viewOptions, *m_previewBlocks);

    buildEditorTabs(central);
    showEditorPage(m_workbench.chooser.editorPage());
    connect(&m_workbench.scrollbarEditor, &ScrollbarColorEditor::previewProblemChanged, this,
            [this](const QString &problem) {
                // A long path breaks after any separator rather than running off.
                QString shown = problem;
                shown.replace(u'/', QStringLiteral("/\u200B"));
                m_previewProblem->setText(shown);
                showPreviewPlace();
            });
}

void FrmColor::startUp()
{
    StartupSequence steps(m_workbench, *this);
    runStartup(steps);
    // Start-up's colours are where the history begins, however far it got.
    m_workbench.history.startRecording();
    m_workspace->restore(m_workbench.layoutFile.read());
}

void FrmColor::closeEvent(QCloseEvent *event)
{
    if (!m_workbench.darkKeeping.mayClose()) {
        event->ignore();
        return;
    }
    // Whatever closes the window, the view options are kept for the next run;
    // a failed write is the settings file's to report, never a reason to stay.
    m_workbench.settingsFile.write();
    // So are the window's place and its panes'. A layout that cannot be kept
    // costs the user nothing they made: no message over the settings' own.
    m_workbench.layoutFile.write(m_workspace->layout());
    event->accept();
}

void FrmColor::buildMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    QAction *close = fileMenu->addAction(QStringLiteral("終了(&X)"));
    close->setObjectName(QStringLiteral("mnuClose"));
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // From a floating pane too, as the desktop's programs quit.
    close->setShortcutContext(Qt::ApplicationShortcut);
    // Leaves as the close box does, so that the view options and the layout
    // are kept; then ends the program.
    connect(close, &QAction::triggered, this, [this] {
        if (this->close())
            m_exitProgram();
    });

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    editMenu->setObjectName(QStringLiteral("mnuEdit"));
    buildEditMenu(*editMenu, m_workbench.history.stack());
    addDarkSchemeItem(*editMenu, m_workbench.pageSchemes);
    // The title says which scheme's colours the window shows and changes.
    connect(
        &m_workbench.pageSchemes, &PageSchemes::editingChanged, this, [this](ColorScheme scheme) {
            setWindowTitle(scheme == ColorScheme::Dark
                               ? QStringLiteral("%1 — ダーク").arg(QLatin1String(product::title))
                               : QString::fromLatin1(product::title));
        });

    m_viewMenu = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    m_viewMenu->setObjectName(QStringLiteral("mnuView"));
    const std::pair<const char *, const char *> blockMenus[] = {
        {"mnuDai", "大ブロック(&B)"}, {"mnuMid", "中ブロック(&M)"}, {"mnuSmall", "小ブロック(&S)"}};
    for (const auto &[name, caption] : blockMenus) {
        QMenu *blockMenu = m_viewMenu->addMenu(QString::fromUtf8(caption));
        blockMenu->setObjectName(QString::fromLatin1(name));
        blockMenu->menuAction()->setObjectName(QString::fromLatin1(name));
    }

    // The panes: each item opens its pane beside the content, made on first use.
    m_toolsMenu = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    m_toolsMenu->setObjectName(QStringLiteral("mnuTools"));
    m_workspace->addPaneItem(*m_toolsMenu, "frmCheck",
                             [this] { return new FrmCheck(m_workbench.readability, this); });
    m_workspace->addPaneItem(*m_toolsMenu, "frmModernSc", [this] {
        return new FrmModernSc(m_workbench.modernScrollbarCode, this);
    });
    m_workspace->addPaneItem(*m_toolsMenu, "frmExport",
                             [this] { return new FrmExport(m_workbench.colorExport, this); });
    m_workspace->addPaneItem(*m_toolsMenu, "frmNearest",
                             [this] { return new FrmNearest(m_workbench.nearest, this); });
    m_workspace->addPaneItem(*m_toolsMenu, "frmScheme", [this] {
        return new FrmScheme(m_workbench.pageSchemes, m_workbench.pageEditor,
                             m_workbench.viewOptions, this);
    });

    // The version item opens its box at once, so the manual has a menu of its own.
    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    QAction *manual =
        m_workspace->addPaneItem(*helpMenu, "frmHelp", [this] { return new FrmHelp(this); });
    // From any window of the program; a modal dialog in front still keeps it.
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::ApplicationShortcut);

    QAction *about = menuBar()->addAction(QStringLiteral("バージョン情報(&A)"));
    about->setObjectName(QStringLiteral("mnuVer"));
    connect(about, &QAction::triggered, this, &FrmColor::showAbout);
}

void FrmColor::buildMainTabs(QWidget *central)
{
    m_mainTabs = new QTabWidget(central);
    m_mainTabs->setObjectName(QStringLiteral("SSTab1"));
    twips::place(m_mainTabs, 240, 120, 6615, 9495);
    // Five captions share the strip, as on a notebook: no scrolling tabs.
    // The style sheet goes on the strip alone: set on the tab control, it
    // would style every control on every page, and polishing them all under
    // a style sheet doubled the time to the window's first paint.
    m_mainTabs->setUsesScrollButtons(false);
    m_mainTabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 7px; }"));

    // The pointer on the tab control itself (its tabs or a page's bare
    // surface) has left the page colour file rows; the scrollbar list keeps
    // its hover there.
    const auto leavePageFiles = [this] {
        m_workbench.pageFiles.list().leave();
    };
    onMouseMove({m_mainTabs, m_mainTabs->tabBar()}, this, leavePageFiles);

    m_colorPickerPage = new ColorPickerPage(m_workbench.chooser, m_workbench.services.messageBox);
    onMouseMove({m_colorPickerPage}, this, leavePageFiles);
    m_mainTabs->addTab(m_colorPickerPage, QStringLiteral("色直接選択"));
    m_colorPickerPage->setProperty(mainPageProperty, ColorChooser::DirectChoice);

    // The other pages are hidden at start: their controls are made after the
    // window's first paint, or as soon as one is shown (see LatePage).
    const auto addLatePage = [this, leavePageFiles](const QString &caption,
                                                    ColorChooser::MainPage what,
                                                    std::function<QWidget *()> make) {
        auto *page = new LatePage([this, leavePageFiles, make = std::move(make)](QWidget *parent) {
            QWidget *content = make();
            content->setParent(parent);
            onMouseMove({content}, this, leavePageFiles);
            return content;
        });
        m_latePages << page;
        page->setProperty(mainPageProperty, what);
        m_mainTabs->addTab(page, caption);
    };
    addLatePage(QStringLiteral("保存と読込"), ColorChooser::SaveAndLoad, [this] {
        const auto runDialog = [this](QDialog &dialog) {
            m_runDialog(dialog);
        };
        return new SaveLoadPage({
            new ColorFileFrame(m_workbench.pageFiles, ColorFileFrame::pageDesign(), runDialog),
            new MemoryFrame(m_workbench.pageMemory, MemoryFrame::pageDesign()),
            new ColorFileFrame(m_workbench.scrollbarFiles, ColorFileFrame::scrollbarDesign(),
                               runDialog),
            new MemoryFrame(m_workbench.scrollbarMemory, MemoryFrame::scrollbarDesign()),
        });
    });
    addLatePage(QStringLiteral("HTMLの作成"), ColorChooser::Html, [this] {
        return new HtmlPage(m_workbench.bodyTagGenerator, m_workbench.services.clipboard);
    });
    addLatePage(QStringLiteral("CSSの作成"), ColorChooser::Css, [this] {
        return new CssPage(m_workbench.linkRuleGenerator, m_workbench.styleGenerator,
                           m_workbench.services.clipboard);
    });
    addLatePage(QStringLiteral("スクロールバー"), ColorChooser::Scrollbar, [this] {
        return new ScrollbarCodePage(m_workbench.scrollbarCodeOptions,
                                     m_workbench.scrollbarRuleBlock, m_workbench.scrollbarAttribute,
                                     m_workbench.services.clipboard);
    });
    m_mainTabs->installEventFilter(this);

    // The chooser hears which page is on show by what it is, whatever the
    // order of the tabs.
    connect(m_mainTabs, &QTabWidget::currentChanged, this, [this](int index) {
        m_workbench.chooser.mainPageChanged(static_cast<ColorChooser::MainPage>(
            m_mainTabs->widget(index)->property(mainPageProperty).toInt()));
    });
}

bool FrmColor::eventFilter(QObject *watched, QEvent *event)
{
    // The tab control paints with the window's first paint; the hidden pages
    // are made once that is on the screen, one an event loop turn, so that
    // the window takes input between them.
    if (watched == m_mainTabs && event->type() == QEvent::Paint && !m_latePagesScheduled) {
        m_latePagesScheduled = true;
        m_mainTabs->removeEventFilter(this);
        // The icon too: drawing it from its SVG loads the SVG renderer, and
        // the window manager shows it a moment later all the same.
        QTimer::singleShot(0, this, [this] { setWindowIcon(icons::application()); });
        QTimer::singleShot(0, this, &FrmColor::buildNextLatePage);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmColor::buildNextLatePage()
{
    for (LatePage *page : std::as_const(m_latePages)) {
        if (!page->isBuilt()) {
            page->content();
            QTimer::singleShot(0, this, &FrmColor::buildNextLatePage);
            return;
        }
    }
}

void FrmColor::buildLatePages()
{
    for (LatePage *page : std::as_const(m_latePages))
        page->content();
}

void FrmColor::buildEditorTabs(QWidget *central)
{
    m_editorTabs = new QTabWidget(central);
    m_editorTabs->setObjectName(QStringLiteral("SSTab2"));
    twips::place(m_editorTabs, rightColumn, 6120, 4455, 3495);

    m_pageRolesPage = new PageRolesPage(m_workbench.pageEditor, m_workbench.chooser,
                                        m_workbench.services.clipboard);
    m_editorTabs->addTab(m_pageRolesPage, QStringLiteral("背景・テキストetc"));
    m_scrollbarEditorPage = new ScrollbarEditorPage(m_workbench.scrollbarEditor);
    m_editorTabs->addTab(m_scrollbarEditorPage, QStringLiteral("スクロールバー"));

    connect(m_editorTabs, &QTabWidget::currentChanged, &m_workbench.chooser,
            &ColorChooser::setEditorPage);
    connect(&m_workbench.chooser, &ColorChooser::editorPageChanged, this,
            &FrmColor::showEditorPage);
}

void FrmColor::showEditorPage(int page)
{
    m_editorTabs->setCurrentIndex(page);
    m_previewBlocks->largeBlock()->setVisible(page == ColorChooser::PageColors);
    showPreviewPlace();
}

void FrmColor::showPreviewPlace()
{
    const bool scrollbarColors = m_editorTabs->currentIndex() != ColorChooser::PageColors;
    const bool problem = !m_workbench.scrollbarEditor.previewProblem().isEmpty();
    m_previewView->setVisible(scrollbarColors && !problem);
    m_previewProblem->setVisible(scrollbarColors && problem);
}

void FrmColor::showAbout()
{
    FrmAbout about(this);
    about.exec();
}

} // namespace tintmill
