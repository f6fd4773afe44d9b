#include "editor/colorchooser.h"
#include "editor/pagecoloreditor.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QSignalSpy>

using namespace tintmill;

namespace {
constexpr int buttonCCFFCC = 4 * 36 + 5 * 6 + 4;
constexpr int buttonFF0000 = 180;
const QString startupData = QStringLiteral("FFFFFF000000FF00000000000000000000000000FF000000");
} // namespace

class TestPageColorEditor : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheStartupSet()
    {
        PageColorEditor editor;
        QCOMPARE(editor.PageColorData(), startupData);
        QCOMPARE(editor.selectedRole(), PageRole::Background);
        QCOMPARE(editor.color(PageRole::MediumBlock), 0xFF0000U); // blue
        QCOMPARE(editor.color(PageRole::SmallBlock), 0x0000FFU);  // red
    }

    void colorChangeTouchesOnlyTheSelectedRole()
    {
        PageColorEditor editor;
        editor.setSelectedRole(PageRole::MediumBlock);
        editor.ColorChange(buttonCCFFCC);
        QCOMPARE(editor.caption(PageRole::MediumBlock), QStringLiteral("#CCFFCC"));
        QCOMPARE(editor.PageColorData(),
                 QStringLiteral("FFFFFF000000FF0000000000000000000000CCFFCC000000"));
    }

    // The marks it clears are the workbench's to wire (tst_workbench).
    void colorChosenByHandIsToldOnce()
    {
        PageColorEditor editor;
        QSignalSpy byHand(&editor, &PageColorEditor::changedByHand);
        QSignalSpy colors(&editor, &PageColorEditor::colorsChanged);
        editor.setSelectedRole(PageRole::HoverLink);
        editor.ColorChange(buttonFF0000);
        QCOMPARE(byHand.count(), 1);
        QCOMPARE(colors.count(), 1);
    }

    void storedFieldsKeepTheirLetterCase()
    {
        PageColorEditor editor;
        editor.applyColorSet({"説明",
                              {"#ffffff", "#000000", "#cccccc", "#0000ff", "#990099", "#ff0000",
                               "#999999", "#ff00ff"}});
        QCOMPARE(editor.caption(PageRole::SmallBlock), QStringLiteral("#cccccc"));
        QCOMPARE(editor.PageColorData(),
                 QStringLiteral("ffffff000000cccccc0000ff990099ff0000999999ff00ff"));
        QCOMPARE(editor.color(PageRole::Link), 0xFF0000U);
    }

    void numericChoicePicksTheButtonOrTheFirstEmptyCombo_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("missing");
        QTest::newRow("FF 00 00") << 5 << 0 << 0 << 180 << -1;
        QTest::newRow("00 FF CC") << 0 << 5 << 4 << 34 << -1;
        QTest::newRow("green empty") << 5 << -1 << 0 << -1 << 1;
        QTest::newRow("all empty") << -1 << -1 << -1 << -1 << 0;
        QTest::newRow("blue empty") << 1 << 2 << -1 << -1 << 2;
    }

    void numericChoicePicksTheButtonOrTheFirstEmptyCombo()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, index);
        QFETCH(int, missing);
        const NumericChoice choice = numericChoice({red, green, blue});
        QCOMPARE(choice.missingCombo.value_or(-1), missing);
        if (missing < 0)
            QCOMPARE(choice.buttonIndex, index);
    }

    void editorPageFollowsTheMainPage_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("mainPage");
        QTest::addColumn<int>("after");
        QTest::newRow("html shows page colours") << 1 << 2 << 0;
        QTest::newRow("css shows page colours") << 1 << 3 << 0;
        QTest::newRow("scrollbar shows scrollbar colours") << 0 << 4 << 1;
        QTest::newRow("direct choice leaves it") << 1 << 0 << 1;
        QTest::newRow("save and load leaves it") << 1 << 1 << 1;
    }

    void editorPageFollowsTheMainPage()
    {
        QFETCH(int, before);
        QFETCH(int, mainPage);
        QFETCH(int, after);
        PageColorEditor pageEditor;
        test::FakeServices fakes;
        ScrollbarColorEditor scrollbarEditor(fakes.previewBrowser, fakes.programDirectory);
        ColorChooser chooser(pageEditor, scrollbarEditor);
        chooser.setEditorPage(before);
        chooser.mainPageChanged(static_cast<ColorChooser::MainPage>(mainPage));
        QCOMPARE(chooser.editorPage(), after);
    }

    void colorButtonsChangeThePageSetOnlyOnItsPage()
    {
        PageColorEditor pageEditor;
        test::FakeServices fakes;
        ScrollbarColorEditor scrollbarEditor(fakes.previewBrowser, fakes.programDirectory);
        ColorChooser chooser(pageEditor, scrollbarEditor);
        chooser.setEditorPage(ColorChooser::ScrollbarColors);
        chooser.applyColorButton(buttonFF0000);
        QCOMPARE(pageEditor.PageColorData(), startupData);

        chooser.setEditorPage(ColorChooser::PageColors);
        chooser.applyColorButton(buttonFF0000);
        QCOMPARE(pageEditor.caption(PageRole::Background), QStringLiteral("#FF0000"));
    }

    void copiesTheSelectedRolesCaption()
    {
        PageColorEditor pageEditor;
        test::FakeServices fakes;
        ScrollbarColorEditor scrollbarEditor(fakes.previewBrowser, fakes.programDirectory);
        ColorChooser chooser(pageEditor, scrollbarEditor);
        test::FakeClipboard clipboard;
        pageEditor.setSelectedRole(PageRole::HoverLink);
        chooser.applyColorButton(buttonCCFFCC);
        chooser.copyActiveValue(clipboard);
        QCOMPARE(clipboard.text, QStringLiteral("#CCFFCC"));
        QCOMPARE(clipboard.text.size(), 7);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestPageColorEditor)
#include "tst_pagecoloreditor.moc"
