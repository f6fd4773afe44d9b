#pragma once

#include "fakes.h"
#include "ui/mainwindow/frmcolor.h"
#include "ui/widgets/fonts.h"
#include "workbench/workbench.h"

#include <QTabWidget>
#include <QTest>
#include <memory>

namespace tintmill::test {

// The real main window over fake services, started up, shown and active,
// with every page made: the pages the window makes after its first paint
// then show the state as it is by then, which every test checks in passing.
struct MainWindowFixture
{
    explicit MainWindowFixture(QWidget *previewView = nullptr) { start(previewView); }

    // Starts on a data folder of the test's choosing, for example the one an
    // earlier window wrote its settings to, or one that cannot be written.
    explicit MainWindowFixture(const QString &dataDirectory, QWidget *previewView = nullptr)
    {
        fakes.programDirectory.dataDirectoryOverride = dataDirectory;
        start(previewView);
    }

    template<typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }

    FakeServices fakes;
    std::unique_ptr<Workbench> workbench;
    std::unique_ptr<FrmColor> window;
    int exitRequests = 0;

private:
    void start(QWidget *previewView)
    {
        fonts::applyApplicationFont();
        workbench = std::make_unique<Workbench>(fakes.services());
        window = std::make_unique<FrmColor>(*workbench, previewView ? previewView : new QWidget);
        window->setExitProgram([this] { ++exitRequests; });
        window->startUp();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->buildLatePages();
    }
};

} // namespace tintmill::test
