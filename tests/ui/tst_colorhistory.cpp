#include "support/colorfilewindow.h"
#include "support/testmain.h"
#include "support/userclicks.h"
#include "ui/desktop/qtservices.h"
#include "ui/saveload/rowcell.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <functional>

using namespace tintmill;
using test::ColorFileWindow;
using test::MainWindowFixture;

namespace {

QAction *action(const MainWindowFixture &f, const char *name)
{
    return f.find<QAction>(QString::fromLatin1(name));
}

// What the edit menu shows: the item's text, or "(off)" after it when it
// cannot be chosen.
QString item(const MainWindowFixture &f, const char *name)
{
    const QAction *menuItem = action(f, name);
    return menuItem->text() + (menuItem->isEnabled() ? QString() : QStringLiteral(" (off)"));
}

// A key as the user presses it, to whatever has the keyboard focus.
void press(int key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void clickColor(MainWindowFixture &f, int index)
{
    QTest::mouseClick(f.find<QWidget>(QStringLiteral("CmdColor_%1").arg(index)), Qt::LeftButton, {},
                      QPoint(3, 3));
}

QString background(const MainWindowFixture &f)
{
    return f.workbench->pageEditor.caption(PageRole::Background);
}

QString switches(const MainWindowFixture &f)
{
    QString shown;
    for (int k = 0; k < scrollbarRoleCount; ++k)
        shown += f.find<QCheckBox>(QStringLiteral("chkScr_%1").arg(k))->isChecked() ? u'1' : u'0';
    return shown;
}

} // namespace

class TestColorHistory : public QObject
{
    Q_OBJECT

private slots:
    void keyboardWalkIsOneStep_data();
    void keyboardWalkIsOneStep();
    void undoAndRedoOfAFileOpenRestoreTheWholeSet_data();
    void undoAndRedoOfAFileOpenRestoreTheWholeSet();
    void aNewChangeAfterAnUndoDropsTheRedo();
    void undoAndRedoClearTheMemoryMarkOfWhatTheyPutBack_data();
    void undoAndRedoClearTheMemoryMarkOfWhatTheyPutBack();
    void undoAndRedoKeepBothPageSchemes_data();
    void undoAndRedoKeepBothPageSchemes();
    void undoAndRedoPutBackBothSetsExactly_data();
    void undoAndRedoPutBackBothSetsExactly();
    void shortcutsDoNothingWhileTheDescriptionPromptIsOpen_data();
    void shortcutsDoNothingWhileTheDescriptionPromptIsOpen();
};

void TestColorHistory::keyboardWalkIsOneStep_data()
{
    // Each move: a key, or "click N" for a mouse click on colour button N.
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("undoItem");
    QTest::addColumn<QString>("backgroundAfterUndo");
    QTest::addColumn<QString>("undoItemAfterUndo");
    QTest::addColumn<QString>("redoItemAfterUndo");

    // From the first role option the first Tab lands on CmdColor_0 (#000000),
    // the next ones on #000033 and #000066.
    QTest::newRow("Tab") << QStringList{"Tab", "Tab", "Tab"}
                         << "元に戻す(&U): 背景の色を #000066 に"
                         << "#FFFFFF"
                         << "元に戻す(&U) (off)"
                         << "やり直し(&R): 背景の色を #000066 に";
    QTest::newRow("Shift+Tab") << QStringList{"Tab", "Tab", "Tab", "Backtab"}
                               << "元に戻す(&U): 背景の色を #000033 に"
                               << "#FFFFFF"
                               << "元に戻す(&U) (off)"
                               << "やり直し(&R): 背景の色を #000033 に";
    // Right to CmdColor_1 (#000033), down a row of six to CmdColor_7 (#003333).
    QTest::newRow("arrows") << QStringList{"Tab", "Right", "Down"}
                            << "元に戻す(&U): 背景の色を #003333 に"
                            << "#FFFFFF"
                            << "元に戻す(&U) (off)"
                            << "やり直し(&R): 背景の色を #003333 に";
    QTest::newRow("a click after the walk")
        << QStringList{"Tab", "Tab", "click 215"} << "元に戻す(&U): 背景の色を #FFFFFF に"
        << "#000033"
        << "元に戻す(&U): 背景の色を #000033 に"
        << "やり直し(&R): 背景の色を #FFFFFF に";
}

void TestColorHistory::keyboardWalkIsOneStep()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, undoItem);
    MainWindowFixture f;
    QCOMPARE(item(f, "mnuUndo"), QStringLiteral("元に戻す(&U) (off)"));
    QCOMPARE(item(f, "mnuRedo"), QStringLiteral("やり直し(&R) (off)"));
    f.find<QWidget>(QStringLiteral("OptCol_0"))->setFocus(Qt::OtherFocusReason);

    for (const QString &move : std::as_const(moves)) {
        if (move.startsWith(QStringLiteral("click ")))
            clickColor(f, move.mid(6).toInt());
        else if (move == QStringLiteral("Tab"))
            press(Qt::Key_Tab);
        else if (move == QStringLiteral("Backtab"))
            press(Qt::Key_Backtab, Qt::ShiftModifier);
        else
            press(move == QStringLiteral("Right") ? Qt::Key_Right : Qt::Key_Down);
    }
    QCOMPARE(item(f, "mnuUndo"), undoItem);
    QCOMPARE(item(f, "mnuRedo"), QStringLiteral("やり直し(&R) (off)"));

    press(Qt::Key_Z, Qt::ControlModifier);
    QTEST(background(f), "backgroundAfterUndo");
    QTEST(item(f, "mnuUndo"), "undoItemAfterUndo");
    QTEST(item(f, "mnuRedo"), "redoItemAfterUndo");
    // Nothing but the background was ever touched.
    QCOMPARE(f.workbench->pageEditor.PageColorData().mid(6), QStringLiteral("000000FF0000000000"
                                                                            "000000000000"
                                                                            "0000FF000000"));
}

void TestColorHistory::undoAndRedoOfAFileOpenRestoreTheWholeSet_data()
{
    QTest::addColumn<QString>("openButton");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("editorPage");
    QTest::addColumn<QString>("undoItem");
    QTest::addColumn<QString>("dataBefore");
    QTest::addColumn<QString>("switchesBefore");
    QTest::addColumn<QString>("dataAfter");
    QTest::addColumn<QString>("switchesAfter");

    // Before the open: the background made black (page), or the face
    // switched on (scrollbar).
    QTest::newRow("page colours") << "CmdOpen"
                                  << "a.iro"
                                  << QByteArray(
                                         "a#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n")
                                  << 0 << "元に戻す(&U): 背景・テキストetcの色をまとめて変更"
                                  << "000000000000FF00000000000000000000000000FF000000"
                                  << "00100000"
                                  << "FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF"
                                  << "00100000";
    QTest::newRow("scrollbar colours and switches")
        << "cmdOpenSc"
        << "b.scb"
        << QByteArray("b#FF0000FFFFFF00FF00000000CCCCCC000000FFFFFF999999\r\n"
                      "1\r\n0\r\n0\r\n1\r\n1\r\n0\r\n0\r\n1\r\n")
        << 1 << "元に戻す(&U): スクロールバーの色をまとめて変更"
        << "CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999"
        << "00100000"
        << "FF0000FFFFFF00FF00000000CCCCCC000000FFFFFF999999"
        << "10011001";
}

void TestColorHistory::undoAndRedoOfAFileOpenRestoreTheWholeSet()
{
    QFETCH(QString, openButton);
    QFETCH(int, editorPage);
    QFETCH(QString, dataBefore);
    QFETCH(QString, switchesBefore);
    QFETCH(QString, dataAfter);
    QFETCH(QString, switchesAfter);
    ColorFileWindow w;
    const auto data = [&w, editorPage] {
        return editorPage == 0 ? w.workbench->pageEditor.PageColorData()
                               : w.workbench->scrollbarEditor.ScrColorData();
    };
    ColorFiles &files = editorPage == 0 ? w.workbench->pageFiles : w.workbench->scrollbarFiles;
    test::clickControl(w.find<QWidget>(QStringLiteral("chkScr_2")));
    w.window->editorTabs().setCurrentIndex(0);
    clickColor(w, 0);
    w.window->mainTabs().setCurrentIndex(1);
    QCOMPARE(w.workbench->pageEditor.PageColorData(),
             QStringLiteral("000000000000FF00000000000000000000000000FF000000"));

    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    w.press(openButton.toLatin1().constData(), w.writeFile(fileName, bytes));
    QCOMPARE(data(), dataAfter);
    QCOMPARE(switches(w), switchesAfter);
    QTEST(item(w, "mnuUndo"), "undoItem");
    QCOMPARE(files.list().chosenRow().value_or(-1), 0);

    // The other editor is on show: undoing brings the one it changes.
    w.window->editorTabs().setCurrentIndex(1 - editorPage);
    const qsizetype previewWrites = w.fakes.previewBrowser.urls.size();
    action(w, "mnuUndo")->trigger();
    QCOMPARE(data(), dataBefore);
    QCOMPARE(switches(w), switchesBefore);
    QCOMPARE(w.window->editorTabs().currentIndex(), editorPage);
    QVERIFY(!files.list().chosenRow());
    QCOMPARE(files.list().fileCount(), 1);
    // The preview page is written once for the whole set.
    QCOMPARE(w.fakes.previewBrowser.urls.size() - previewWrites, editorPage);

    action(w, "mnuRedo")->trigger();
    QCOMPARE(data(), dataAfter);
    QCOMPARE(switches(w), switchesAfter);
    QCOMPARE(item(w, "mnuRedo"), QStringLiteral("やり直し(&R) (off)"));
    QTEST(item(w, "mnuUndo"), "undoItem");
}

void TestColorHistory::aNewChangeAfterAnUndoDropsTheRedo()
{
    MainWindowFixture f;
    clickColor(f, 0);
    clickColor(f, 5);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(background(f), QStringLiteral("#000000"));
    QCOMPARE(item(f, "mnuUndo"), QStringLiteral("元に戻す(&U): 背景の色を #000000 に"));
    QCOMPARE(item(f, "mnuRedo"), QStringLiteral("やり直し(&R): 背景の色を #0000FF に"));

    clickColor(f, 30);
    QCOMPARE(item(f, "mnuUndo"), QStringLiteral("元に戻す(&U): 背景の色を #00FF00 に"));
    QCOMPARE(item(f, "mnuRedo"), QStringLiteral("やり直し(&R) (off)"));
    press(Qt::Key_Y, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(background(f), QStringLiteral("#00FF00"));

    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(background(f), QStringLiteral("#FFFFFF"));
    QCOMPARE(item(f, "mnuUndo"), QStringLiteral("元に戻す(&U) (off)"));
    QCOMPARE(item(f, "mnuRedo"), QStringLiteral("やり直し(&R): 背景の色を #000000 に"));
}

void TestColorHistory::shortcutsDoNothingWhileTheDescriptionPromptIsOpen_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typedTextAfter");

    // The box's own undo takes back what was typed; there is nothing to redo.
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "";
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << "ab";
    QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(Qt::ControlModifier) << "ab";
}

void TestColorHistory::shortcutsDoNothingWhileTheDescriptionPromptIsOpen()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    // The real prompt, over fakes for everything else.
    test::FakeServices fakes;
    QtInputBox prompt;
    Workbench workbench({fakes.messageBox, prompt, fakes.fileDialog, fakes.clipboard,
                         fakes.previewBrowser, fakes.programDirectory});
    FrmColor window(workbench, new QWidget);
    window.startUp();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.buildLatePages();
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("CmdColor_0")), Qt::LeftButton, {},
                      QPoint(3, 3));
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("CmdColor_5")), Qt::LeftButton, {},
                      QPoint(3, 3));
    workbench.history.stack().undo();
    const int index = workbench.history.stack().index();

    QString typedText = QStringLiteral("(prompt not seen)");
    std::function<void()> answer = [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr || QApplication::activeWindow() != dialog) {
            QTimer::singleShot(10, &window, answer);
            return;
        }
        auto *box = dialog->findChild<QLineEdit *>();
        QTest::keyClicks(box, QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Pressed with the pointer on the main window, too.
        QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        typedText = box->text();
        dialog->reject();
    };
    QTimer::singleShot(0, &window, answer);
    window.mainTabs().setCurrentIndex(1);
    window.findChild<QPushButton *>(QStringLiteral("CmdSave"))->click();

    QTEST(typedText, "typedTextAfter");
    QCOMPARE(workbench.history.stack().index(), index);
    QCOMPARE(workbench.pageEditor.caption(PageRole::Background), QStringLiteral("#000000"));
}

void TestColorHistory::undoAndRedoClearTheMemoryMarkOfWhatTheyPutBack_data()
{
    QTest::addColumn<int>("editorPage");
    QTest::addColumn<QString>("roleOption");
    QTest::addColumn<QString>("remember");
    QTest::addColumn<QString>("memoryRow");
    QTest::newRow("page colours") << 0 << "OptCol_0"
                                  << "CmdMem"
                                  << "TxtMem_";
    QTest::newRow("scrollbar colours") << 1 << "optScr_2"
                                       << "CmdMemSC"
                                       << "txtMemSc_";
}

void TestColorHistory::undoAndRedoClearTheMemoryMarkOfWhatTheyPutBack()
{
    QFETCH(int, editorPage);
    QFETCH(QString, roleOption);
    QFETCH(QString, remember);
    QFETCH(QString, memoryRow);
    MainWindowFixture f;
    f.window->editorTabs().setCurrentIndex(editorPage);
    QTest::mouseClick(f.find<QWidget>(roleOption), Qt::LeftButton, {}, QPoint(5, 5));
    const auto mark = [&f, &memoryRow](int row) {
        return f.find<RowCell>(memoryRow + QString::number(row))->mark();
    };
    // Remembered after a colour, then the colour undone; remembered again
    // after the undo, then the colour redone.
    clickColor(f, 5);
    f.find<QPushButton>(remember)->click();
    QCOMPARE(mark(0), RowMark::Chosen);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(mark(0), RowMark::Plain);
    f.find<QPushButton>(remember)->click();
    QCOMPARE(mark(1), RowMark::Chosen);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(mark(1), RowMark::Plain);
}

void TestColorHistory::undoAndRedoPutBackBothSetsExactly_data()
{
    // Each move as the user makes it: "tab N" clicks the editor tab N, "role N"
    // the page role option N, "scr N" the scrollbar row N's swatch, "color N"
    // colour button N, "box N" the scrollbar row N's check box; "Tab" is the
    // key; "undo" and "redo" are Ctrl+Z and Ctrl+Shift+Z.
    QTest::addColumn<QStringList>("moves");
    // After each move: the page data, the scrollbar data, the switches and
    // the undo item's step.
    QTest::addColumn<QStringList>("states");

    const QString page = "FFFFFF000000FF00000000000000000000000000FF000000";
    const QString scrollbar = "CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999";
    const auto state = [](const QString &pageData, const QString &scrollbarData,
                          const QString &switches, const QString &step) {
        return QStringList{pageData, scrollbarData, switches, step}.join(u' ');
    };
    // The start focus (the first role option) sits on the editor page the
    // tab hides.
    QTest::newRow("a switch alone")
        << QStringList{"tab 1", "box 2", "undo", "redo"}
        << QStringList{state(page, scrollbar, "00000000", "-"),
                       state(page, scrollbar, "00100000", "scrollbar-face-color を含める"),
                       state(page, scrollbar, "00000000", "-"),
                       state(page, scrollbar, "00100000", "scrollbar-face-color を含める")};
    // Button 51 is #336699 (1·36 + 2·6 + 3), button 123 is #996699 (3·36 + 2·6 + 3).
    const QString medium = "FFFFFF000000FF0000000000000000000000336699000000";
    const QString face = "CCCCCCFFFFFF996699000000CCCCCC000000FFFFFF999999";
    QTest::newRow("page colour, scrollbar colour, switch")
        << QStringList{"role 6", "color 51", "tab 1", "scr 2", "color 123", "box 2",
                       "undo",   "undo",     "undo",  "redo",  "redo"}
        << QStringList{state(page, scrollbar, "00000000", "-"),
                       state(medium, scrollbar, "00000000", "中ブロックの色を #336699 に"),
                       state(medium, scrollbar, "00000000", "中ブロックの色を #336699 に"),
                       state(medium, scrollbar, "00000000", "中ブロックの色を #336699 に"),
                       state(medium, face, "00000000", "scrollbar-face-color を #996699 に"),
                       state(medium, face, "00100000", "scrollbar-face-color を含める"),
                       state(medium, face, "00000000", "scrollbar-face-color を #996699 に"),
                       state(medium, scrollbar, "00000000", "中ブロックの色を #336699 に"),
                       state(page, scrollbar, "00000000", "-"),
                       state(medium, scrollbar, "00000000", "中ブロックの色を #336699 に"),
                       state(medium, face, "00000000", "scrollbar-face-color を #996699 に")};
    // Buttons 0, 1: #000000, #000033; 30, 31: #00FF00, #00FF33. The walk
    // after the undo follows the click's undone step, not the first walk:
    // one undo takes back only that second walk.
    const QString walked = "000033000000FF00000000000000000000000000FF000000";
    QTest::newRow("a walk after an undo is a step of its own")
        << QStringList{"Tab", "Tab", "color 30", "undo", "Tab", "undo"}
        << QStringList{state("000000000000FF00000000000000000000000000FF000000", scrollbar,
                             "00000000", "背景の色を #000000 に"),
                       state(walked, scrollbar, "00000000", "背景の色を #000033 に"),
                       state("00FF00000000FF00000000000000000000000000FF000000", scrollbar,
                             "00000000", "背景の色を #00FF00 に"),
                       state(walked, scrollbar, "00000000", "背景の色を #000033 に"),
                       state("00FF33000000FF00000000000000000000000000FF000000", scrollbar,
                             "00000000", "背景の色を #00FF33 に"),
                       state(walked, scrollbar, "00000000", "背景の色を #000033 に")};
}

void TestColorHistory::undoAndRedoPutBackBothSetsExactly()
{
    QFETCH(QStringList, moves);
    QFETCH(QStringList, states);
    MainWindowFixture f;
    auto *editorTabs = f.find<QTabWidget>(QStringLiteral("SSTab2"));
    const auto click = [&f](const QString &name) {
        auto *control = f.find<QWidget>(name);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, control->height() / 2));
    };
    for (int k = 0; k < moves.size(); ++k) {
        const QStringList move = moves.at(k).split(u' ');
        const QString &verb = move.first();
        if (verb == "tab")
            QTest::mouseClick(editorTabs->tabBar(), Qt::LeftButton, {},
                              editorTabs->tabBar()->tabRect(move.at(1).toInt()).center());
        else if (verb == "role")
            click("OptCol_" + move.at(1));
        else if (verb == "scr")
            click("optScr_" + move.at(1));
        else if (verb == "color")
            click("CmdColor_" + move.at(1));
        else if (verb == "box")
            click("chkScr_" + move.at(1));
        else if (verb == "Tab")
            press(Qt::Key_Tab);
        else
            press(Qt::Key_Z,
                  verb == "undo" ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        const QUndoStack &stack = f.workbench->history.stack();
        const QString step = stack.canUndo() ? stack.undoText() : QStringLiteral("-");
        const QString now =
            QStringList{f.workbench->pageEditor.PageColorData(),
                        f.workbench->scrollbarEditor.ScrColorData(), switches(f), step}
                .join(u' ');
        QVERIFY2(now == states.at(k),
                 qPrintable(QStringLiteral("after %1: %2").arg(moves.at(k), now)));
    }
}

void TestColorHistory::undoAndRedoKeepBothPageSchemes_data()
{
    // Moves: "dark" chooses ダークの色を編集, "make" makes the dark colours
    // from the light ones, "color N" clicks colour button N (the background
    // is the selected role), "open" opens a page colour file; "undo", "redo".
    QTest::addColumn<QStringList>("moves");
    // After each move: the scheme edited, the light and the dark page data
    // ("-" while there is no dark scheme) and the undo item's step.
    QTest::addColumn<QStringList>("states");

    const QString light = "FFFFFF000000FF00000000000000000000000000FF000000";
    // The start colours' dark counterpart: black and white swap, red becomes
    // #CC0000, and blue the #9933FF that white text reads on.
    const QString dark = "000000FFFFFFCC0000FFFFFFFFFFFFFFFFFF9933FFFFFFFF";
    // Button 5 is #0000FF.
    const QString blueDark = "0000FFFFFFFFCC0000FFFFFFFFFFFFFFFFFF9933FFFFFFFF";
    const QString opened = "333333FFFFFFCCCCCC0000FF990099FF0000999999FF00FF";
    const auto state = [](const char *scheme, const QString &lightData, const QString &darkData,
                          const QString &step) {
        return QStringList{QString::fromLatin1(scheme), lightData, darkData, step}.join(u' ');
    };
    QTest::newRow("a switch makes the dark colours, undone with them")
        << QStringList{"dark", "color 5", "undo", "undo", "redo", "redo"}
        << QStringList{state("dark", light, dark, "ダークの色を編集"),
                       state("dark", light, blueDark, "背景の色（ダーク）を #0000FF に"),
                       state("dark", light, dark, "ダークの色を編集"),
                       state("light", light, "-", "-"),
                       state("dark", light, dark, "ダークの色を編集"),
                       state("dark", light, blueDark, "背景の色（ダーク）を #0000FF に")};
    QTest::newRow("made while the light ones are edited, then a file opened in the dark")
        << QStringList{"make", "dark", "open", "undo", "undo", "undo", "redo", "redo"}
        << QStringList{state("light", light, dark, "ダークを作る"),
                       state("dark", light, dark, "ダークの色を編集"),
                       state("dark", light, opened, "背景・テキストetcの色をまとめて変更"),
                       state("dark", light, dark, "ダークの色を編集"),
                       state("light", light, dark, "ダークを作る"),
                       state("light", light, "-", "-"),
                       state("light", light, dark, "ダークを作る"),
                       state("dark", light, dark, "ダークの色を編集")};
}

void TestColorHistory::undoAndRedoKeepBothPageSchemes()
{
    QFETCH(QStringList, moves);
    QFETCH(QStringList, states);
    ColorFileWindow w;
    const QString file = w.writeFile(QStringLiteral("night.iro"),
                                     "#333333FFFFFFCCCCCC0000FF990099FF0000999999FF00FF\r\n");
    PageSchemes &schemes = w.workbench->pageSchemes;
    for (int k = 0; k < moves.size(); ++k) {
        const QString &move = moves.at(k);
        if (move == "dark")
            action(w, "mnuEditDark")->trigger();
        else if (move == "make")
            schemes.makeDark();
        else if (move.startsWith("color "))
            clickColor(w, move.mid(6).toInt());
        else if (move == "open")
            w.press("CmdOpen", file);
        else
            action(w, move == "undo" ? "mnuUndo" : "mnuRedo")->trigger();
        const QUndoStack &stack = w.workbench->history.stack();
        const std::optional<PageColorSet> dark = schemes.dark();
        const auto data = [](const PageColorSet &set) {
            QString text;
            for (const QString &caption : set.captions)
                text += caption.right(6);
            return text;
        };
        const QString now =
            QStringList{schemes.editing() == ColorScheme::Dark ? "dark" : "light",
                        data(schemes.light()), dark ? data(*dark) : QStringLiteral("-"),
                        stack.canUndo() ? stack.undoText() : QStringLiteral("-")}
                .join(u' ');
        QVERIFY2(now == states.at(k), qPrintable(QStringLiteral("after %1: %2").arg(move, now)));
        // What the window edits is the scheme the menu and the title say.
        QCOMPARE(action(w, "mnuEditDark")->isChecked(), schemes.editing() == ColorScheme::Dark);
        QCOMPARE(w.window->windowTitle().endsWith(QStringLiteral("ダーク")),
                 schemes.editing() == ColorScheme::Dark);
    }
}

TINTMILL_TEST_MAIN(TestColorHistory)
#include "tst_colorhistory.moc"
