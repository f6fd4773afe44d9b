#include "support/fakes.h"
#include "support/librarytestmain.h"
#include "support/openedcolorfile.h"
#include "workbench/workbench.h"

#include <functional>

using namespace tintmill;

namespace {

using Action = std::function<void(Workbench &)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestWorkbench : public QObject
{
    Q_OBJECT

private slots:
    // A file of each kind is open and chosen; what happens next decides which
    // of the two file marks stand.
    void whatClearsTheFileMarks_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("pageMarkStands");
        QTest::addColumn<bool>("scrollbarMarkStands");
        QTest::newRow("page colour by hand")
            << Action([](Workbench &w) { w.chooser.applyColorButton(5); }) << false << true;
        QTest::newRow("scrollbar colour by hand") << Action([](Workbench &w) {
            w.chooser.setEditorPage(ColorChooser::ScrollbarColors);
            w.chooser.applyColorButton(5);
        }) << true << false;
        QTest::newRow("scrollbar colour by numbers") << Action([](Workbench &w) {
            w.chooser.setEditorPage(ColorChooser::ScrollbarColors);
            w.chooser.applyColorButton(5, ColorChooser::Gesture::Numbers);
        }) << false << false;
        QTest::newRow("page set remembered")
            << Action([](Workbench &w) { w.pageMemory.remember(); }) << false << true;
        QTest::newRow("scrollbar set remembered")
            << Action([](Workbench &w) { w.scrollbarMemory.remember(); }) << true << false;
        QTest::newRow("scrollbar switch clicked") << Action([](Workbench &w) {
            w.scrollbarEditor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        }) << true << true;
    }
    void whatClearsTheFileMarks()
    {
        QFETCH(Action, action);
        test::FakeServices fakes;
        Workbench w(fakes.services());
        QVERIFY(test::openColorFile(fakes, w.pageFiles, QStringLiteral("p.iro"),
                                    "p#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n"));
        QVERIFY(test::openColorFile(fakes, w.scrollbarFiles, QStringLiteral("s.scb"),
                                    "s#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n"));
        w.chooser.setEditorPage(ColorChooser::PageColors);
        QCOMPARE(w.pageFiles.list().chosenRow().value_or(-1), 0);
        QCOMPARE(w.scrollbarFiles.list().chosenRow().value_or(-1), 0);

        action(w);
        QTEST(w.pageFiles.list().chosenRow().has_value(), "pageMarkStands");
        QTEST(w.scrollbarFiles.list().chosenRow().has_value(), "scrollbarMarkStands");
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestWorkbench)
#include "tst_workbench.moc"
