#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QUndoStack>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// The scheme window, opened from the Tools menu and shown; null if it is not.
QWidget *openSchemeWindow(const MainWindowFixture &f)
{
    f.find<QAction>("mnuScheme")->trigger();
    auto *window = f.find<QWidget>("frmScheme");
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void clickButton(QWidget *window, const char *name)
{
    QTest::mouseClick(window->findChild<QAbstractButton *>(name), Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

class TestFrmScheme : public QObject
{
    Q_OBJECT

private slots:
    // What the window does is what the Edit menu and the history see, and
    // what it shows is both schemes as they are.
    void showsBothSchemesAndForwardsTheChoices_data()
    {
        // "make" presses ダークを作る, "dark"/"light" choose the scheme edited,
        // "undo" takes the last step back.
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<bool>("editingDark");
        // The table's background row: light, dark.
        QTest::addColumn<QString>("backgrounds");
        QTest::addColumn<QString>("darkLowest");
        QTest::addColumn<QString>("undoStep");

        // The start colours' dark counterpart: a black page with white lines,
        // the medium block #9933FF, where white reads at 4.92:1, the lowest.
        const QString made = "いちばん低いコントラスト比\n4.92:1　○ AA";
        QTest::newRow("made from the window")
            << QStringList{"make"} << false << "#FFFFFF #000000" << made << "ダークを作る";
        QTest::newRow("the dark ones chosen")
            << QStringList{"dark"} << true << "#FFFFFF #000000" << made << "ダークの色を編集";
        QTest::newRow("and the light ones again")
            << QStringList{"dark", "light"} << false << "#FFFFFF #000000" << made
            << "ライトの色を編集";
        // Undoing the making changes only the set not edited: the window
        // must still hear of it.
        QTest::newRow("made, then undone")
            << QStringList{"make", "undo"} << false << "#FFFFFF —"
            << "まだありません。「ダークを作る」か「ダークの色を編集する」で、"
               "ライトの色から作ります。"
            << "";
    }
    void showsBothSchemesAndForwardsTheChoices()
    {
        QFETCH(QStringList, presses);
        QFETCH(bool, editingDark);
        QFETCH(QString, backgrounds);
        QFETCH(QString, darkLowest);
        QFETCH(QString, undoStep);
        MainWindowFixture f;
        QWidget *window = openSchemeWindow(f);
        QVERIFY(window);
        for (const QString &press : std::as_const(presses)) {
            // A user's presses come one frame apart at least.
            QCoreApplication::processEvents();
            if (press == "undo") {
                f.workbench->history.stack().undo();
                continue;
            }
            clickButton(window, press == "make"   ? "cmdMakeDark"
                                : press == "dark" ? "optSchemeDark"
                                                  : "optSchemeLight");
        }
        QCOMPARE(f.find<QAction>("mnuEditDark")->isChecked(), editingDark);
        QCOMPARE(window->findChild<QRadioButton *>("optSchemeDark")->isChecked(), editingDark);
        QCOMPARE(f.find<QLabel>("LblCol_0")->text(),
                 editingDark ? QStringLiteral("#000000") : QStringLiteral("#FFFFFF"));
        QCOMPARE(f.workbench->history.stack().undoText(), undoStep);
        // The window catches up before the next frame.
        auto *table = window->findChild<QTableWidget *>("grdScheme");
        QTRY_COMPARE(table->item(0, 1)->text() + u' ' + table->item(0, 2)->text(), backgrounds);
        QCOMPARE(window->findChild<QLabel *>("lblDarkLowest")->text(), darkLowest);
        // Black text on the blue medium block: 2.44:1.
        QCOMPARE(window->findChild<QLabel *>("lblLightLowest")->text(),
                 QStringLiteral("いちばん低いコントラスト比\n2.44:1　× 不合格"));
    }

    // An edit to the dark colours outlives a trip to the light ones and
    // back, whichever way the user goes: no way back makes them afresh.
    void keepsTheDarkEditsAcrossASwitch_data()
    {
        // Moves: "window light"/"window dark" choose in this window, "menu"
        // toggles ダークの色を編集, "undo"/"redo" are the Edit menu's items,
        // "light"/"dark" the page schemes' own switch.
        QTest::addColumn<QStringList>("toLight");
        QTest::addColumn<QStringList>("backToDark");

        QTest::newRow("this window's choices")
            << QStringList{"window light"} << QStringList{"window dark"};
        QTest::newRow("the Edit menu item") << QStringList{"menu"} << QStringList{"menu"};
        QTest::newRow("the menu there, this window back")
            << QStringList{"menu"} << QStringList{"window dark"};
        QTest::newRow("the switch to light undone")
            << QStringList{"window light"} << QStringList{"undo"};
        QTest::newRow("the way back undone and redone")
            << QStringList{"menu"} << QStringList{"menu", "undo", "redo"};
        QTest::newRow("the page schemes' own switch")
            << QStringList{"light"} << QStringList{"dark"};
    }
    void keepsTheDarkEditsAcrossASwitch()
    {
        QFETCH(QStringList, toLight);
        QFETCH(QStringList, backToDark);
        MainWindowFixture f;
        QWidget *window = openSchemeWindow(f);
        QVERIFY(window);
        const auto move = [&](const QString &how) {
            // A user's presses come one frame apart at least.
            QCoreApplication::processEvents();
            if (how.startsWith("window ")) {
                clickButton(window, how == "window dark" ? "optSchemeDark" : "optSchemeLight");
            } else if (how == "menu" || how == "undo" || how == "redo") {
                const char *name = how == "menu"   ? "mnuEditDark"
                                   : how == "undo" ? "mnuUndo"
                                                   : "mnuRedo";
                f.find<QAction>(name)->trigger();
            } else {
                f.workbench->pageSchemes.edit(how == "dark" ? ColorScheme::Dark
                                                            : ColorScheme::Light);
            }
        };
        const auto pageData = [&f] {
            return f.workbench->pageEditor.PageColorData();
        };

        const QString light = "FFFFFF000000FF00000000000000000000000000FF000000";
        clickButton(window, "cmdMakeDark");
        QCOMPARE(pageData(), light);
        move("window dark");
        // The start colours' dark counterpart, its background then given
        // #0000FF (button 5) with the background role selected.
        QCOMPARE(pageData(), "000000FFFFFFCC0000FFFFFFFFFFFFFFFFFF9933FFFFFFFF");
        QTest::mouseClick(f.find<QWidget>("CmdColor_5"), Qt::LeftButton, {}, QPoint(3, 3));
        const QString edited = "0000FFFFFFFFCC0000FFFFFFFFFFFFFFFFFF9933FFFFFFFF";
        QCOMPARE(pageData(), edited);

        for (const QString &how : std::as_const(toLight))
            move(how);
        QCOMPARE(pageData(), light);
        for (const QString &how : std::as_const(backToDark))
            move(how);
        QCOMPARE(pageData(), edited);
        QVERIFY(f.find<QAction>("mnuEditDark")->isChecked());
        QCOMPARE(f.find<QLabel>("LblCol_0")->text(), QStringLiteral("#0000FF"));
        // This window catches up before the next frame.
        QTRY_VERIFY(window->findChild<QRadioButton *>("optSchemeDark")->isChecked());
        auto *table = window->findChild<QTableWidget *>("grdScheme");
        QTRY_COMPARE(table->item(0, 2)->text(), QStringLiteral("#0000FF"));
    }
};

TINTMILL_TEST_MAIN(TestFrmScheme)
#include "tst_frmscheme.moc"
