#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QTest>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QStringLiteral("(no accessible interface)");
}

} // namespace

// What a screen reader says for the controls whose picture tells more than
// their text.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsSayWhatTheyAre_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("first colour button") << "CmdColor_0"
                                             << "#000000"
                                             << "1行目、1列目";
        QTest::newRow("last colour button") << "CmdColor_215"
                                            << "#FFFFFF"
                                            << "36行目、6列目";
        QTest::newRow("background role") << "OptCol_0"
                                         << "背景の色"
                                         << "#FFFFFF";
        QTest::newRow("body tag box") << "TxtBody"
                                      << "生成されたBodyタグ"
                                      << "Bodyタグの生成";
        QTest::newRow("style box") << "TxtStyle"
                                   << "生成された背景・テキストに関するCSS"
                                   << "背景・テキスト";
        QTest::newRow("scrollbar rule box") << "txtScrY"
                                            << "生成されたCSS"
                                            << "Style要素内での指定";
        QTest::newRow("scrollbar attribute box") << "txtScrZ"
                                                 << "生成されたCSS"
                                                 << "Style属性で指定";
        QTest::newRow("face row's check box") << "chkScr_2"
                                              << "scrollbar-face-colorを含める"
                                              << "";
        QTest::newRow("face row's swatch") << "optScr_2"
                                           << "scrollbar-face-colorの色"
                                           << "#CCCCCC";
        // In the readability check window, opened from its menu item first.
        QTest::newRow("readability table") << "mnuReadability>grdContrast"
                                           << "コントラスト比"
                                           << "";
    }

    void controlsSayWhatTheyAre()
    {
        QFETCH(QString, control);
        MainWindowFixture f;
        if (const qsizetype opens = control.indexOf(u'>'); opens >= 0) {
            f.find<QAction>(control.left(opens))->trigger();
            control = control.mid(opens + 1);
        }
        QWidget *widget = f.find<QWidget>(control);
        QVERIFY(widget);
        QTEST(accessibleText(widget, QAccessible::Name), "name");
        QTEST(accessibleText(widget, QAccessible::Description), "description");
    }

    void roleOptionsFollowTheirColour()
    {
        MainWindowFixture f;
        QTest::mouseClick(f.find<QWidget>("OptCol_3"), Qt::LeftButton);
        QTest::mouseClick(f.find<QWidget>("CmdColor_5"), Qt::LeftButton);
        QCOMPARE(accessibleText(f.find<QWidget>("OptCol_3"), QAccessible::Description),
                 QStringLiteral("#0000FF"));

        f.window->editorTabs().setCurrentIndex(1);
        QTest::mouseClick(f.find<QWidget>("optScr_3"), Qt::LeftButton);
        QTest::mouseClick(f.find<QWidget>("CmdColor_180"), Qt::LeftButton);
        QCOMPARE(accessibleText(f.find<QWidget>("optScr_3"), QAccessible::Description),
                 QStringLiteral("#FF0000"));
    }

    void browserViewHasAName()
    {
        auto *preview = new QWidget;
        MainWindowFixture f(preview);
        QCOMPARE(accessibleText(preview, QAccessible::Name),
                 QStringLiteral("スクロールバーのプレビュー"));
    }
};

TINTMILL_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
