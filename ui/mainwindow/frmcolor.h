#pragma once

#include <QMainWindow>
#include <functional>

class QDialog;
class QLabel;
class QMenu;
class QTabWidget;

namespace tintmill {

class ColorPickerPage;
class ContentScroller;
class LatePage;
class PageRolesPage;
class PreviewBlocks;
class ScrollbarEditorPage;
class Workspace;
struct Workbench;

// The main window. It lays out the pages of each subsystem and connects the
// window-level commands; the state it shows lives in the Workbench.
class FrmColor : public QMainWindow
{
    Q_OBJECT

public:
    // `previewView` is placed where the browser preview shows; the window owns it.
    FrmColor(Workbench &workbench, QWidget *previewView, QWidget *parent = nullptr);

    // Runs the start-up steps, then puts the window and its panes back as
    // they were left; the application calls it once, before showing.
    void startUp();

    // Makes every page of `SSTab1` not made yet. The window does so by itself
    // from the event loop once it has first painted; tests call it to have
    // the whole window at once.
    void buildLatePages();

    ColorPickerPage &colorPickerPage() const { return *m_colorPickerPage; }
    PageRolesPage &pageRolesPage() const { return *m_pageRolesPage; }
    QTabWidget &mainTabs() const { return *m_mainTabs; }
    QTabWidget &editorTabs() const { return *m_editorTabs; }
    // Holds the laid-out content; it scrolls where the screen is too small.
    ContentScroller &contentScroller() const { return *m_contentScroller; }
    // The content with the panes beside it.
    Workspace &workspace() const { return *m_workspace; }
    // "ツール(&T)": panes that work beside the content.
    QMenu &toolsMenu() const { return *m_toolsMenu; }

    // How "終了(&X)" ends the program once the window has closed; replaceable
    // so that tests can see it.
    void setExitProgram(std::function<void()> exitProgram)
    {
        m_exitProgram = std::move(exitProgram);
    }

    // How a modal dialog of the window is run (the overwrite and release
    // dialog); replaceable so that tests can drive it without blocking.
    void setRunDialog(std::function<void(QDialog &)> runDialog)
    {
        m_runDialog = std::move(runDialog);
    }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildMainTabs(QWidget *central);
    void buildEditorTabs(QWidget *central);
    void showEditorPage(int page);
    void showPreviewPlace();
    void showAbout();
    void buildNextLatePage();

    Workbench &m_workbench;
    QWidget *m_previewView;
    ContentScroller *m_contentScroller = nullptr;
    Workspace *m_workspace = nullptr;
    QLabel *m_previewProblem = nullptr;
    QTabWidget *m_mainTabs = nullptr;
    QTabWidget *m_editorTabs = nullptr;
    ColorPickerPage *m_colorPickerPage = nullptr;
    PageRolesPage *m_pageRolesPage = nullptr;
    ScrollbarEditorPage *m_scrollbarEditorPage = nullptr;
    PreviewBlocks *m_previewBlocks = nullptr;
    QList<LatePage *> m_latePages;
    bool m_latePagesScheduled = false;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    std::function<void()> m_exitProgram;
    std::function<void(QDialog &)> m_runDialog;
};

} // namespace tintmill
