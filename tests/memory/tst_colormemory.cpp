#include "support/fakes.h"
#include "support/librarytestmain.h"
#include "support/openedcolorfile.h"
#include "workbench/workbench.h"

#include <QSignalSpy>

using namespace tintmill;
using test::FakeServices;

namespace {

const QString prefix = QStringLiteral("名もない色 その");
const QString fullMessage = QStringLiteral("現在20個の色設定を記憶しています。\r\n"
                                           "これ以上覚えられないので勘弁してください。");
const QString prompt = QStringLiteral("色設定の簡単な説明を入力して下さい\r\n省略もできます");

// Both kinds of memory over the real editors and fake desktop services, wired
// to the rest as the program wires them.
struct Memories
{
    FakeServices fakes;
    Workbench workbench{fakes.services()};
    PageColorEditor &page = workbench.pageEditor;
    ScrollbarColorEditor &scrollbar = workbench.scrollbarEditor;
    ColorChooser &chooser = workbench.chooser;
    PageMemory &pageMemory = workbench.pageMemory;
    ScrollbarMemory &scrollbarMemory = workbench.scrollbarMemory;

    // Opens a colour file of one line through the file dialog.
    void openFile(ColorFiles &files, const QString &name, const QByteArray &line)
    {
        QVERIFY(test::openColorFile(fakes, files, name, line));
        QCOMPARE(files.list().chosenRow().value_or(-1), 0);
    }
};

} // namespace

class TestColorMemory : public QObject
{
    Q_OBJECT

private slots:
    void askedDescriptionOrDefaultName_data()
    {
        QTest::addColumn<QString>("answer"); // null: Cancel
        QTest::addColumn<QString>("description");
        QTest::newRow("typed") << QStringLiteral("春の庭") << QStringLiteral("春の庭");
        QTest::newRow("empty") << QString("") << prefix + "1";
        QTest::newRow("cancelled") << QString() << prefix + "1";
    }
    void askedDescriptionOrDefaultName()
    {
        QFETCH(QString, answer);
        QFETCH(QString, description);
        Memories m;
        m.fakes.inputBox.answers = {answer};
        QSignalSpy fileMarks(&m.pageMemory, &ColorMemory::rowChosen);
        QSignalSpy colors(&m.page, &PageColorEditor::colorsChanged);

        m.pageMemory.remember();
        QCOMPARE(m.fakes.inputBox.prompts, QStringList{prompt});
        QCOMPARE(m.pageMemory.MemData().entryCount(), 1);
        QCOMPARE(m.pageMemory.MemData().description(0), description);
        QCOMPARE(std::get<PageColorSet>(m.pageMemory.MemData().entry(0)).captions,
                 (std::array<QString, pageRoleCount>{"#FFFFFF", "#000000", "#FF0000", "#000000",
                                                     "#000000", "#000000", "#0000FF", "#000000"}));
        QCOMPARE(fileMarks.size(), 1);
        QCOMPARE(colors.size(), 0);
    }

    void twentyOfEachKindNumberedApart()
    {
        Memories m;
        for (int i = 0; i < 20; ++i) {
            m.pageMemory.remember();
            if (i < 7)
                m.scrollbarMemory.remember();
        }
        m.scrollbar.enabledToggle(ScrRole::ScrTrack).setChecked(true);
        for (int i = 7; i < 20; ++i)
            m.scrollbarMemory.remember();
        QVERIFY(m.fakes.messageBox.shown.isEmpty());
        QCOMPARE(m.pageMemory.MemData().description(19), prefix + "20");
        QCOMPARE(m.scrollbarMemory.MemDataSc().description(19), prefix + "20");
        QCOMPARE(std::get<StoredScrollbarSet>(m.scrollbarMemory.MemDataSc().entry(6)).enabled,
                 (std::array<bool, scrollbarRoleCount>{false, false, false, false, false, false,
                                                       false, false}));
        QCOMPARE(std::get<StoredScrollbarSet>(m.scrollbarMemory.MemDataSc().entry(7)).enabled,
                 (std::array<bool, scrollbarRoleCount>{false, true, false, false, false, false,
                                                       false, false}));

        // The twenty-first of either kind is refused without asking.
        m.fakes.inputBox.prompts.clear();
        m.pageMemory.remember();
        m.chooser.setEditorPage(ColorChooser::PageColors);
        m.scrollbarMemory.remember();
        QCOMPARE(m.fakes.inputBox.prompts.size(), 0);
        QCOMPARE(m.fakes.messageBox.shown.size(), 2);
        for (const test::ShownMessage &shown : m.fakes.messageBox.shown) {
            QCOMPARE(shown.text, fullMessage);
            QCOMPARE(shown.icon, MessageBox::Icon::Information);
        }
        QCOMPARE(m.pageMemory.MemData().entryCount(), 20);
        QCOMPARE(m.scrollbarMemory.MemDataSc().entryCount(), 20);
        // Still shown the scrollbar editor, although nothing was remembered.
        QCOMPARE(m.chooser.editorPage(), int(ColorChooser::ScrollbarColors));
        // Forgetting a scrollbar set shows it too.
        m.chooser.setEditorPage(ColorChooser::PageColors);
        m.scrollbarMemory.forget();
        QCOMPARE(m.chooser.editorPage(), int(ColorChooser::ScrollbarColors));
        QCOMPARE(m.scrollbarMemory.MemDataSc().entryCount(), 19);
    }

    void rememberingOrApplyingClearsTheFileMarksOnce_data()
    {
        QTest::addColumn<bool>("scrollbarKind");
        QTest::addColumn<bool>("clickRow"); // else remember
        QTest::newRow("page set remembered") << false << false;
        QTest::newRow("page row applied") << false << true;
        QTest::newRow("scrollbar set remembered") << true << false;
        QTest::newRow("scrollbar row applied") << true << true;
    }
    void rememberingOrApplyingClearsTheFileMarksOnce()
    {
        QFETCH(bool, scrollbarKind);
        QFETCH(bool, clickRow);
        Memories m;
        ColorMemory &memory =
            scrollbarKind ? static_cast<ColorMemory &>(m.scrollbarMemory) : m.pageMemory;
        if (clickRow)
            memory.remember();
        QSignalSpy pageMarks(&m.pageMemory, &ColorMemory::rowChosen);
        QSignalSpy scrollbarMarks(&m.scrollbarMemory, &ColorMemory::rowChosen);
        if (clickRow)
            memory.clickRow(0);
        else
            memory.remember();
        QCOMPARE(pageMarks.count(), scrollbarKind ? 0 : 1);
        QCOMPARE(scrollbarMarks.count(), scrollbarKind ? 1 : 0);
    }

    void whatClearsTheChosenRow_data()
    {
        QTest::addColumn<bool>("scrollbarKind");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("stillChosen");
        QTest::newRow("page colour by hand") << false << "colour" << false;
        QTest::newRow("page file chosen") << false << "file" << false;
        QTest::newRow("scrollbar colour by hand") << true << "colour" << true;
        QTest::newRow("scrollbar file chosen") << true << "file" << false;
    }
    void whatClearsTheChosenRow()
    {
        QFETCH(bool, scrollbarKind);
        QFETCH(QString, change);
        QFETCH(bool, stillChosen);
        Memories m;
        ColorMemory &memory =
            scrollbarKind ? static_cast<ColorMemory &>(m.scrollbarMemory) : m.pageMemory;
        memory.remember();
        memory.remember();
        memory.clickRow(0);
        QCOMPARE(memory.store().chosenRow().value_or(-1), 0);

        if (change == "colour" && scrollbarKind)
            m.scrollbar.ScrColorChange(5);
        else if (change == "colour")
            m.page.ColorChange(5);
        else if (scrollbarKind)
            m.openFile(m.workbench.scrollbarFiles, QStringLiteral("c.scb"),
                       "c#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n");
        else
            m.openFile(m.workbench.pageFiles, QStringLiteral("p.iro"),
                       "p#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n");
        QCOMPARE(memory.store().chosenRow().value_or(-1), stillChosen ? 0 : -1);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestColorMemory)
#include "tst_colormemory.moc"
