#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QUndoStack>

using namespace tintmill;
using test::MainWindowFixture;

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
        f.find<QAction>("mnuScheme")->trigger();
        auto *window = f.find<QWidget>("frmScheme");
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        for (const QString &press : std::as_const(presses)) {
            // A user's presses come one frame apart at least.
            QCoreApplication::processEvents();
            if (press == "undo") {
                f.workbench->history.stack().undo();
                continue;
            }
            const char *name = press == "make"   ? "cmdMakeDark"
                               : press == "dark" ? "optSchemeDark"
                                                 : "optSchemeLight";
            QTest::mouseClick(window->findChild<QAbstractButton *>(name), Qt::LeftButton, {},
                              QPoint(5, 5));
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
};

TINTMILL_TEST_MAIN(TestFrmScheme)
#include "tst_frmscheme.moc"
