#include "support/mainwindowfixture.h"
#include "support/panes.h"
#include "support/testmain.h"
#include "support/userclicks.h"
#include "ui/mainwindow/contentscroller.h"

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QTableWidget>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

QString nameOf(const QWidget *widget)
{
    return widget != nullptr ? widget->objectName() : QStringLiteral("(none)");
}

// Whether Tab, stopping at `visited`, reached `control`: for an option
// button, any of its group (one stop, the arrow keys inside it).
bool reached(const QList<QWidget *> &visited, const QWidget *control)
{
    const auto *option = qobject_cast<const QRadioButton *>(control);
    return std::any_of(visited.cbegin(), visited.cend(), [control, option](const QWidget *stop) {
        const auto *other = qobject_cast<const QRadioButton *>(stop);
        return stop == control ||
               (option != nullptr && other != nullptr &&
                (option->group() != nullptr ? option->group() == other->group()
                                            : option->parent() == other->parent()));
    });
}

// Presses `key` from the focus on until it leaves `pane`; every control it
// stopped at on the way, or nothing when it never left.
std::optional<QList<QWidget *>> walk(const QWidget &pane, Qt::Key key)
{
    QList<QWidget *> visited;
    for (int press = 0; press < 100; ++press) {
        QWidget *focus = QApplication::focusWidget();
        if (focus == nullptr || !pane.isAncestorOf(focus))
            return visited;
        visited.append(focus);
        QTest::keyClick(focus, key);
    }
    return std::nullopt;
}

bool inContent(const MainWindowFixture &f)
{
    return f.window->contentScroller().isAncestorOf(QApplication::focusWidget());
}

} // namespace

class TestPanes : public QObject
{
    Q_OBJECT

private slots:
    void eachOpensOnceDockedBesideTheContent_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("closeButton");
        QTest::addColumn<QString>("firstControl");
        for (const test::PaneRow &pane : test::panes())
            QTest::newRow(pane.pane)
                << pane.menuItem << pane.pane << pane.closeButton << pane.firstControl;
    }

    void eachOpensOnceDockedBesideTheContent()
    {
        QFETCH(QString, item);
        QFETCH(QString, pane);
        QFETCH(QString, closeButton);
        QFETCH(QString, firstControl);
        MainWindowFixture f;
        f.find<QAction>(item)->trigger();
        auto *dock = f.find<QDockWidget>(pane);
        QVERIFY(dock && dock->isVisible());
        QCOMPARE(f.window->dockWidgetArea(dock), Qt::RightDockWidgetArea);
        QVERIFY(!dock->isFloating());
        QVERIFY(!QApplication::activeModalWidget());
        // Opened, it has the keyboard: typing goes where the pane is for.
        QCOMPARE(nameOf(QApplication::focusWidget()), firstControl);

        // Closed from the keyboard, the focus goes back to the content;
        // opened again, the same pane in the same place, the focus on its
        // first control again rather than on 閉じる.
        auto *close = dock->findChild<QWidget *>(closeButton);
        close->setFocus(Qt::TabFocusReason);
        QTest::keyClick(close, Qt::Key_Space);
        QVERIFY(dock->isHidden());
        QVERIFY(inContent(f));
        f.find<QAction>(item)->trigger();
        QCOMPARE(f.window->findChildren<QDockWidget *>(pane).size(), 1);
        QVERIFY(dock->isVisible());
        QCOMPARE(f.window->dockWidgetArea(dock), Qt::RightDockWidgetArea);
        QCOMPARE(nameOf(QApplication::focusWidget()), firstControl);
    }

    // Several open share the side as tabs, the one opened last in front;
    // the one behind is out of the Tab key's way.
    void laterPanesOpenAsTabsInFront()
    {
        MainWindowFixture f;
        f.find<QAction>("mnuExport")->trigger();
        f.find<QAction>("mnuNearest")->trigger();
        auto *exportPane = f.find<QDockWidget>("frmExport");
        auto *nearest = f.find<QDockWidget>("frmNearest");
        QCOMPARE(f.window->tabifiedDockWidgets(nearest), QList<QDockWidget *>{exportPane});
        QCoreApplication::processEvents();
        QVERIFY(!nearest->visibleRegion().isEmpty());
        QVERIFY(exportPane->visibleRegion().isEmpty());
        // Its controls come before the front one's in the order Tab goes.
        QCOMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("txtCssColor"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(!exportPane->isAncestorOf(QApplication::focusWidget()));
        // Chosen again from its menu, the one behind comes to the front.
        f.find<QAction>("mnuExport")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!exportPane->visibleRegion().isEmpty());
        QCOMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("cboExportFormat"));
    }

    // Closed, a pane follows nothing; opened again, it shows the colours
    // as they are by then.
    void closedPanesCatchUpWhenOpenedAgain_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("shown"); // the first row's cell, its first line
        // Black text on a red page background: (0.2126 + 0.05) / 0.05.
        QTest::newRow("readability") << "mnuReadability"
                                     << "grdContrast" << 0 << "5.25:1";
        QTest::newRow("light and dark") << "mnuScheme"
                                        << "grdScheme" << 1 << "#FF0000";
    }

    void closedPanesCatchUpWhenOpenedAgain()
    {
        QFETCH(QString, item);
        QFETCH(QString, table);
        QFETCH(int, column);
        MainWindowFixture f;
        f.find<QAction>(item)->trigger();
        QCoreApplication::processEvents();
        for (QDockWidget *pane : f.window->findChildren<QDockWidget *>())
            pane->close();
        f.find<QAbstractButton>("OptCol_0")->click();
        f.find<QAbstractButton>("CmdColor_180")->click();
        QCoreApplication::processEvents();
        f.find<QAction>(item)->trigger();
        const QTableWidgetItem *cell = f.find<QTableWidget>(table)->item(0, column);
        QTEST(cell->text().section(u'\n', 0, 0), "shown");
    }

    // Tab and Shift+Tab stop at every control of a pane and go on out of
    // it: a table is one stop, with the arrow keys inside it.
    void tabWalksEveryControlAndOut_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("pane");
        for (const test::PaneRow &pane : test::panes())
            QTest::newRow(pane.pane) << pane.menuItem << pane.pane;
    }

    void tabWalksEveryControlAndOut()
    {
        QFETCH(QString, item);
        QFETCH(QString, pane);
        MainWindowFixture f;
        f.find<QAction>(item)->trigger();
        auto *dock = f.find<QDockWidget>(pane);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            const std::optional<QList<QWidget *>> visited = walk(*dock, key);
            QVERIFY2(visited, "the key never left the pane");
            QStringList missed;
            for (QWidget *control : dock->findChildren<QWidget *>()) {
                if ((control->focusPolicy() & Qt::TabFocus) && control->isVisible() &&
                    control->isEnabled() && !reached(*visited, control))
                    missed << nameOf(control);
            }
            QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u',')));
            // Back the other way from the last control.
            visited->constLast()->setFocus(Qt::OtherFocusReason);
        }
    }

    // F6 goes round the content and the panes on show, Shift+F6 the other
    // way; Ctrl+W closes the pane the focus is in, Esc a floating one.
    void keysMoveBetweenTheContentAndThePanes()
    {
        MainWindowFixture f;
        f.find<QAction>("mnuExport")->trigger();
        auto *exportPane = f.find<QDockWidget>("frmExport");
        exportPane->setFloating(true);
        QTRY_COMPARE(QGuiApplication::focusWindow(), exportPane->windowHandle());
        f.find<QAction>("mnuNearest")->trigger();
        auto *nearest = f.find<QDockWidget>("frmNearest");
        QTRY_COMPARE(QGuiApplication::focusWindow(), f.window->windowHandle());
        f.find<QWidget>("OptCol_0")->setFocus(Qt::OtherFocusReason);
        // The keys, to the window the focus is in; then where the focus
        // settles once that window or another has become active.
        const auto press = [](const QKeySequence &keys) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keySequence(focus->window(), keys);
            const bool moved = QTest::qWaitFor([focus] {
                QWidget *now = QApplication::focusWidget();
                return now != nullptr && now != focus;
            });
            return moved ? nameOf(QApplication::focusWidget()) : QStringLiteral("(stayed)");
        };
        const QKeySequence f6(Qt::Key_F6);
        const QKeySequence shiftF6(Qt::SHIFT | Qt::Key_F6);
        QStringList stops;
        for (const QKeySequence &keys : {f6, f6, f6, shiftF6, shiftF6, shiftF6})
            stops << press(keys);
        QCOMPARE(stops, QStringList({"txtCssColor", "cboExportFormat", "OptCol_0",
                                     "cboExportFormat", "txtCssColor", "OptCol_0"}));
        // Nothing to close in the content, nor on Esc in a docked pane.
        QTest::keySequence(f.window.get(), QKeySequence(Qt::CTRL | Qt::Key_W));
        QCOMPARE(press(f6), QStringLiteral("txtCssColor"));
        QTest::keySequence(f.window.get(), QKeySequence(Qt::Key_Escape));
        QVERIFY(nearest->isVisible());
        QVERIFY(exportPane->isVisible());
        QCOMPARE(press(QKeySequence(Qt::CTRL | Qt::Key_W)), QStringLiteral("OptCol_0"));
        QVERIFY(nearest->isHidden());
        QCOMPARE(press(f6), QStringLiteral("cboExportFormat"));
        QCOMPARE(press(QKeySequence(Qt::Key_Escape)), QStringLiteral("OptCol_0"));
        QVERIFY(exportPane->isHidden());
    }

    // A copy or save button says in its pane what it did; what it said goes
    // when the pane's text changes, as it no longer holds.
    void buttonsSayWhatTheyDid_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("before"); // clicked on the main window first
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("savedAs"); // picked in the file dialog, if asked
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("said");   // {folder}: the fake documents folder
        QTest::addColumn<QString>("change"); // clicked on the main window after
        const QString copied = QStringLiteral("クリップボードにコピーしました。");
        QTest::newRow("scrollbar CSS copied")
            << "mnuModernScrollbar"
            << "chkScr_1"
            << "cmdModernScCopy" << QString() << "lblModernScNotice" << copied << "chkScr_2";
        QTest::newRow("export copied")
            << "mnuExport"
            << ""
            << "cmdExportCopy" << QString() << "lblExportNotice" << copied << "CmdColor_5";
        // The extension is added to a name typed without one.
        QTest::newRow("export saved") << "mnuExport"
                                      << ""
                                      << "cmdExportSave"
                                      << "colors"
                                      << "lblExportNotice"
                                      << "{folder}/colors.css に保存しました。"
                                      << "CmdColor_5";
        QTest::newRow("export not saved") << "mnuExport"
                                          << ""
                                          << "cmdExportSave" << QString() << "lblExportNotice"
                                          << ""
                                          << "CmdColor_5";
    }

    void buttonsSayWhatTheyDid()
    {
        QFETCH(QString, item);
        QFETCH(QString, before);
        QFETCH(QString, savedAs);
        QFETCH(QString, said);
        MainWindowFixture f;
        if (!before.isEmpty())
            test::clickControl(f.find<QWidget>(before));
        f.find<QAction>(item)->trigger();
        const QString folder = f.fakes.programDirectory.folder.path();
        if (!savedAs.isNull())
            f.fakes.fileDialog.paths.push_back(folder + u'/' + savedAs);
        QFETCH(QString, button);
        test::clickControl(f.find<QWidget>(button));
        QFETCH(QString, notice);
        const auto *line = f.find<QLabel>(notice);
        // A long path may break after any separator.
        QCOMPARE(line->text().remove(QChar(0x200B)),
                 said.replace(QStringLiteral("{folder}"), folder));
        QFETCH(QString, change);
        test::clickControl(f.find<QWidget>(change));
        QCOMPARE(line->text(), QString());
    }
};

TINTMILL_TEST_MAIN(TestPanes)
#include "tst_panes.moc"
