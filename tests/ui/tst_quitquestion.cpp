#include "support/colortext.h"
#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QAction>

using namespace tintmill;
using test::MainWindowFixture;
using SaveAnswer = MessageBox::SaveAnswer;

// Quitting while the dark colours have not been written out asks first; the
// designed closing, with no dark colours, asks nothing.

Q_DECLARE_METATYPE(SaveAnswer)

namespace {

// One thing the user does before quitting.
void perform(MainWindowFixture &f, const QString &step)
{
    Workbench &w = *f.workbench;
    const QString dir = f.fakes.programDirectory.folder.path();
    if (step == "make dark") {
        w.pageSchemes.makeDark();
    } else if (step == "edit dark") {
        w.pageSchemes.edit(ColorScheme::Dark);
    } else if (step == "colour") {
        // The background of the scheme edited becomes #336699 (steps 1, 2,
        // 3: button 36 + 12 + 3), or #336666 where it already is that.
        w.pageEditor.setSelectedRole(PageRole::Background);
        w.pageEditor.ColorChange(w.pageEditor.caption(PageRole::Background) == "#336699" ? 50 : 51);
    } else if (step == "save iro") {
        f.fakes.inputBox.answers << QString();
        f.fakes.fileDialog.paths.push_back(dir + "/saved.iro");
        w.pageFiles.CmdSave_Click();
    } else if (step == "overwrite saved") {
        const std::unique_ptr<OverwriteReleaseSession> session = w.pageFiles.CmdOverW_Click();
        QVERIFY(session);
        f.fakes.messageBox.answers.push_back(true);
        session->click(0);
    } else if (step == "export") {
        f.fakes.fileDialog.paths.push_back(dir + "/both.css");
        QVERIFY(w.colorExport.save());
    } else if (step == "copy") {
        w.colorExport.copy();
    } else if (step == "undo") {
        w.history.stack().undo();
    } else if (step == "drop a pair") {
        QVERIFY(test::putFile(dir + "/pair.gpl", "GIMP Palette\n#\n0 0 51\t背景の色（ダーク）\n"
                                                 "255 255 255\t背景の色（ライト）\n"));
        w.intake.openFiles({dir + "/pair.gpl"});
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

} // namespace

class TestQuitQuestion : public QObject
{
    Q_OBJECT

private slots:
    void quittingAsksWhileTheDarkColoursAreUnwritten_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<QString>("savedAs"); // the save dialog's answer; "": cancelled
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("quit");

        const auto row = [](const char *name, const QStringList &steps, SaveAnswer answer,
                            const QString &savedAs, bool asked, bool quit) {
            QTest::addRow("%s", name) << steps << answer << savedAs << asked << quit;
        };
        const auto none = SaveAnswer::Cancel;
        row("no dark colours, a colour changed", {"colour"}, none, "", false, true);
        row("dark made, let go", {"make dark"}, SaveAnswer::Discard, "", true, true);
        row("dark made, staying", {"make dark"}, SaveAnswer::Cancel, "", true, false);
        row("dark made, written out", {"make dark"}, SaveAnswer::Save, "pair.tokens.json", true,
            true);
        row("dark made, the save dialog cancelled", {"make dark"}, SaveAnswer::Save, "", true,
            false);
        row("dark made, the write fails", {"make dark"}, SaveAnswer::Save, "gone/pair.tokens.json",
            true, false);
        row("dark made and taken back", {"make dark", "undo"}, none, "", false, true);
        row("dark saved while edited", {"edit dark", "save iro"}, none, "", false, true);
        row("light saved, dark made", {"make dark", "save iro"}, SaveAnswer::Discard, "", true,
            true);
        row("dark saved, then changed", {"edit dark", "save iro", "colour"}, SaveAnswer::Discard,
            "", true, true);
        row("dark saved, changed and overwritten",
            {"edit dark", "save iro", "colour", "overwrite saved"}, none, "", false, true);
        row("dark saved, changed and the change taken back",
            {"edit dark", "save iro", "colour", "undo"}, none, "", false, true);
        row("exported with both", {"make dark", "export"}, none, "", false, true);
        row("exported, then the light changed", {"make dark", "export", "colour"}, none, "", false,
            true);
        // The clipboard is gone with the program that copied.
        row("copied only", {"make dark", "copy"}, SaveAnswer::Discard, "", true, true);
        row("dark colours from a palette", {"drop a pair"}, SaveAnswer::Discard, "", true, true);
    }

    void quittingAsksWhileTheDarkColoursAreUnwritten()
    {
        QFETCH(QStringList, steps);
        QFETCH(SaveAnswer, answer);
        QFETCH(QString, savedAs);
        QFETCH(bool, asked);
        QFETCH(bool, quit);

        MainWindowFixture f;
        const QString dir = f.fakes.programDirectory.folder.path();
        for (const QString &step : std::as_const(steps))
            perform(f, step);
        const qsizetype messages = f.fakes.messageBox.shown.size();
        const qsizetype dialogs = f.fakes.fileDialog.requests.size();
        f.fakes.messageBox.saveAnswers.push_back(answer);
        f.fakes.fileDialog.paths.push_back(savedAs.isEmpty() ? QString() : dir + '/' + savedAs);

        f.find<QAction>("mnuClose")->trigger();

        QCOMPARE(f.fakes.messageBox.saveQuestions.size(), asked ? 1 : 0);
        if (asked) {
            const QStringList question = f.fakes.messageBox.saveQuestions.constFirst();
            QVERIFY(question.at(0).startsWith(
                "ダークの配色の今の色は、まだファイルに書き出していません。"));
            QCOMPARE(question.mid(1), (QStringList{"書き出す(&S)…", "書き出さずに終了(&D)"}));
        }
        QCOMPARE(f.window->isVisible(), !quit);
        QCOMPARE(f.exitRequests, quit ? 1 : 0);
        if (answer == SaveAnswer::Save && asked) {
            QCOMPARE(f.fakes.fileDialog.requests.size(), dialogs + 1);
            const FileDialogRequest &request = f.fakes.fileDialog.requests.constLast();
            QCOMPARE(request.title, QStringLiteral("ライトとダークの配色を書き出す"));
            QCOMPARE(request.filter, QStringLiteral("デザイントークン (*.tokens.json *.json)"));
        }
        // A failed write says why, and the window stays for another try.
        const bool fails = savedAs.startsWith("gone/");
        QCOMPARE(f.fakes.messageBox.shown.size(), messages + (fails ? 1 : 0));
        // The pair as the tokens export writes it, whatever format the export window shows.
        if (savedAs == "pair.tokens.json")
            QVERIFY(test::entryAt(dir + '/' + savedAs).contains("\"dark\": ["));
        if (fails)
            QVERIFY(f.fakes.messageBox.shown.constLast().text.contains(
                "保存先のフォルダーが見つかりません"));
    }

    // Ending on a signal asks nothing: the pair goes to a recovery file,
    // which the next start moves among the documents and names.
    void endingOnASignalKeepsThePairForTheNextStart()
    {
        QTemporaryDir folder;
        const QString recovery = folder.filePath("unsaved-schemes.tokens.json");
        std::optional<PageColorSet> made;
        {
            MainWindowFixture f(folder.path());
            f.workbench->darkKeeping.keepForRecovery();
            QCOMPARE(test::entryAt(recovery), QStringLiteral("none"));
            f.workbench->pageSchemes.makeDark();
            made = f.workbench->pageSchemes.dark();
            f.workbench->darkKeeping.keepForRecovery();
            QVERIFY(f.window->close());
            QCOMPARE(f.fakes.messageBox.saveQuestions.size(), 0);
            QVERIFY(test::entryAt(recovery).startsWith("file:{"));
        }

        MainWindowFixture next(folder.path());
        next.workbench->darkKeeping.tellRecovered();
        QCOMPARE(test::entryAt(recovery), QStringLiteral("none"));
        const QStringList kept =
            QDir(folder.path()).entryList({"Tintmill-前回の配色-*.tokens.json"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(next.fakes.messageBox.shown.size(), 1);
        QVERIFY(next.fakes.messageBox.shown.constFirst().text.endsWith(
            "\n\n" + folder.filePath(kept.constFirst())));
        next.workbench->darkKeeping.tellRecovered();
        QCOMPARE(next.fakes.messageBox.shown.size(), 1);

        next.workbench->intake.openFiles({folder.filePath(kept.constFirst())});
        QVERIFY(next.workbench->pageSchemes.dark());
        QCOMPARE(test::dataOf(*next.workbench->pageSchemes.dark()), test::dataOf(*made));
    }
};

TINTMILL_TEST_MAIN(TestQuitQuestion)
#include "tst_quitquestion.moc"
