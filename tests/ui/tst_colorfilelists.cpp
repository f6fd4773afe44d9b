#include "support/colorfilewindow.h"
#include "support/testmain.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>

using namespace tintmill;
using test::ColorFileWindow;

namespace {

const QString prompt = QStringLiteral("色設定の簡単な説明を入力して下さい\r\n省略もできます");
const QString invalidFile =
    QStringLiteral("このファイルは「Tintmill」ではつかまえられないファイルです");

} // namespace

class TestColorFileLists : public QObject
{
    Q_OBJECT

private slots:
    void framesAreLaidOutAsDesigned()
    {
        ColorFileWindow w;
        // 240, 840 twips down the frame (below its caption): 16 and 56 pixels, plus 7.
        auto *release = w.find<QPushButton>("CmdRelease");
        QCOMPARE(release->geometry(), QRect(16, 63, 65, 39));
        QCOMPARE(release->palette().color(QPalette::Button), QColor(255, 192, 192));
        QCOMPARE(w.find<QPushButton>("CmdOverWSc")->palette().color(QPalette::Button),
                 QColor(192, 255, 255));
        QCOMPARE(w.find<QWidget>("PicFileSc")->geometry(), QRect(96, 39, 308, 129));
        for (const char *frameName : {"Frame3", "Frame4", "Frame8", "Frame9"}) {
            QWidget *f = w.find<QWidget>(QString::fromLatin1(frameName));
            QVERIFY2(f->parentWidget()->rect().contains(f->geometry()), frameName);
        }
    }

    void savedFileIsWrittenAsDesignedAndListedUnchosen()
    {
        ColorFileWindow w;
        w.press("CmdOpen", w.pageFile("first.iro", "first"));
        w.workbench->pageEditor.applyColorSet({"",
                                               {"#FFFFFF", "#000000", "#CCCCCC", "#0000FF",
                                                "#990099", "#FF0000", "#999999", "#FF00FF"}});
        w.fakes.inputBox.answers = {QStringLiteral("夏の色")};
        const QString path = w.folder() + "/夏の色";
        w.press("CmdSave", path);

        // 夏の色 in code page 932, then the record and CR LF, at the path the
        // dialog gave (the dialog adds the suffix to a name typed without one).
        QCOMPARE(ColorFileWindow::bytesOf(path),
                 QByteArray("\x89\xc4\x82\xcc\x90\x46"
                            "#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n"));
        QCOMPARE(w.fakes.inputBox.prompts, QStringList{prompt});
        const FileDialogRequest request = w.fakes.fileDialog.requests.last();
        QCOMPARE(request.title, QStringLiteral("色設定ファイルを保存する"));
        QCOMPARE(request.filter, QStringLiteral("ｶﾗｰﾌｧｲﾙ(*.iro)"));
        QCOMPARE(request.startDirectory, w.folder());
        QCOMPARE(request.defaultSuffix, QStringLiteral("iro"));
        QCOMPARE(w.cell("TxtFile_1")->text(), QStringLiteral("夏の色"));
        QCOMPARE(w.cell("TxtFile_1")->toolTip(), w.folder());
        QCOMPARE(w.cell("TxtInfo_1")->text(), QStringLiteral("夏の色"));
        QCOMPARE(w.cell("TxtFile_0")->mark(), RowMark::Chosen);
        QCOMPARE(w.cell("TxtInfo_1")->mark(), RowMark::Plain);

        // Saved again over a listed file, with a new description: its row
        // says so, and brings the new colours back.
        w.workbench->pageEditor.ColorChange(0); // background #000000
        w.fakes.inputBox.answers = {QStringLiteral("秋の色")};
        w.press("CmdSave", w.folder() + "/first.iro");
        QVERIFY(!w.cell("TxtFile_2"));
        QCOMPARE(w.cell("TxtInfo_0")->text(), QStringLiteral("秋の色"));
        w.workbench->pageEditor.ColorChange(215);
        QTest::mouseClick(w.cell("TxtInfo_0"), Qt::LeftButton);
        QCOMPARE(w.pageData(), QStringLiteral("000000000000CCCCCC0000FF990099FF0000999999FF00FF"));
    }

    void openingStopsAtTwentyFiles()
    {
        ColorFileWindow w;
        auto *bar = w.find<QScrollBar>("VScFile");
        for (int i = 0; i < 20; ++i) {
            w.press("CmdOpen", w.pageFile(QStringLiteral("%1.iro").arg(i), "x"));
            if (i == 6)
                QCOMPARE(bar->maximum(), 0);
            if (i == 7) {
                QCOMPARE(bar->maximum(), 270);
                QCOMPARE(bar->value(), 270);
            }
        }
        QCOMPARE(w.cell("TxtFile_19")->text(), QStringLiteral("19.iro"));
        QCOMPARE(w.fakes.fileDialog.requests.size(), 20);
        QVERIFY(w.fakes.messageBox.shown.isEmpty());

        w.press("CmdOpen", w.pageFile("20.iro", "x"));
        QCOMPARE(w.fakes.fileDialog.requests.size(), 20);
        QCOMPARE(w.fakes.messageBox.shown.size(), 1);
        QCOMPARE(
            w.fakes.messageBox.shown.last().text,
            QStringLiteral("現在20個のファイルを開いています。\r\n"
                           "これ以上開けないので、現在開いているファイルを開放してください。"));
        QCOMPARE(w.fakes.messageBox.shown.last().icon, MessageBox::Icon::Information);
        QVERIFY(!w.cell("TxtFile_20"));
    }

    void rowMarksFollowThePointerAndTheClick()
    {
        ColorFileWindow w;
        w.press("CmdOpen", w.pageFile("a.iro", "a", "333333"));
        w.press("CmdOpen", w.pageFile("b.iro", "b", "666666"));
        const QByteArray scrollbarLine = "c#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n";
        w.press("cmdOpenSc", w.writeFile("c.scb", scrollbarLine));
        w.press("cmdOpenSc", w.writeFile("d.scb", scrollbarLine));
        QCOMPARE(w.cell("TxtFile_1")->mark(), RowMark::Chosen);

        QTest::mouseMove(w.cell("TxtInfo_0"), QPoint(10, 8));
        QTRY_COMPARE(w.cell("TxtFile_0")->mark(), RowMark::Hovered);
        QTest::mouseMove(w.find<QLabel>("Label7"), QPoint(5, 5));
        QTRY_COMPARE(w.cell("TxtFile_0")->mark(), RowMark::Plain);

        // The chosen row stays red under the pointer.
        QTest::mouseMove(w.cell("TxtFile_1"), QPoint(10, 8));
        QTest::qWait(20);
        QCOMPARE(w.cell("TxtInfo_1")->mark(), RowMark::Chosen);

        // Over the tab control the page list lets go of its hover; the
        // scrollbar list does not.
        QTest::mouseMove(w.cell("TxtFile_0"), QPoint(10, 8));
        QTest::mouseMove(w.cell("ScrInfo_0"), QPoint(10, 8));
        QTRY_COMPARE(w.cell("ScrFile_0")->mark(), RowMark::Hovered);
        QCOMPARE(w.cell("TxtFile_0")->mark(), RowMark::Hovered);
        QTest::mouseMove(w.window->mainTabs().tabBar(), QPoint(3, 3));
        QTRY_COMPARE(w.cell("TxtFile_0")->mark(), RowMark::Plain);
        QCOMPARE(w.cell("ScrFile_0")->mark(), RowMark::Hovered);

        QTest::mouseClick(w.cell("TxtInfo_0"), Qt::LeftButton);
        QCOMPARE(w.cell("TxtFile_0")->mark(), RowMark::Chosen);
        QCOMPARE(w.cell("TxtFile_1")->mark(), RowMark::Plain);
        QCOMPARE(w.pageData(), QStringLiteral("333333000000CCCCCC0000FF990099FF0000999999FF00FF"));
        QCOMPARE(w.find<QLabel>("LblCol_0")->text(), QStringLiteral("#333333"));

        // A colour chosen by hand: no file row stays marked.
        w.workbench->pageEditor.ColorChange(0);
        QCOMPARE(w.cell("TxtFile_0")->mark(), RowMark::Plain);
    }

    void openingTellsWhatWentWrong_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("listed already") << "a.iro"
                                        << "このファイルはすでに開いています。";
        QTest::newRow("letter case differs: opens") << "A.iro"
                                                    << "";
        QTest::newRow("not a colour file") << "bad.iro" << invalidFile;
        QTest::newRow("far too large") << "huge.iro" << invalidFile;
        // Gone between the dialog and the read; a link that leads nowhere
        // stands for any file that is there but cannot be read (as root,
        // permissions would not stop the read).
        QTest::newRow("vanished") << "missing.iro"
                                  << "ファイルを開けませんでした。ファイルが見つかりません。\n\n%1";
        QTest::newRow("link loop") << "loop.iro"
                                   << "ファイルを開けませんでした。シンボリックリンクが循環"
                                      "しています。\n\n%1";
    }
    void openingTellsWhatWentWrong()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        ColorFileWindow w;
        w.press("CmdOpen", w.pageFile("a.iro", "a"));
        w.pageFile("A.iro", "A");
        w.writeFile("bad.iro", "a#FFFFFF\r\n");
        w.writeFile("huge.iro", QByteArray(1 << 20, '#'));
        QVERIFY(QFile::link(w.folder() + "/loop.iro", w.folder() + "/loop.iro"));
        const QString before = w.pageData();
        w.workbench->pageEditor.ColorChange(0);

        const QString path = w.folder() + "/" + file;
        w.press("CmdOpen", path);
        const bool opened = message.isEmpty();
        QCOMPARE(w.fakes.messageBox.shown.size(), opened ? 0 : 1);
        if (!opened) {
            QCOMPARE(w.fakes.messageBox.shown.last().text,
                     message.contains(u'%') ? message.arg(path) : message);
            QCOMPARE(w.fakes.messageBox.shown.last().icon, MessageBox::Icon::Exclamation);
        }
        QCOMPARE(w.cell("TxtFile_1") != nullptr, opened);
        QCOMPARE(w.pageData() == before, opened);
    }

    // At most one row of the two lists of a kind is chosen: the file list
    // takes the mark from the memory list.
    void openingOrChoosingAFileClearsTheMemoryMark_data()
    {
        QTest::addColumn<QString>("openButton");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("remember");
        QTest::addColumn<QString>("memoryRow");
        QTest::addColumn<QString>("forget");
        QTest::addColumn<QString>("fileRow");
        QTest::newRow("page") << "CmdOpen"
                              << "p.iro"
                              << "CmdMem"
                              << "TxtMem_"
                              << "CmdForget"
                              << "TxtFile_0";
        QTest::newRow("scrollbar") << "cmdOpenSc"
                                   << "s.scb"
                                   << "CmdMemSC"
                                   << "txtMemSc_"
                                   << "CmdForgetSc"
                                   << "ScrFile_0";
    }
    void openingOrChoosingAFileClearsTheMemoryMark()
    {
        QFETCH(QString, openButton);
        QFETCH(QString, file);
        QFETCH(QString, remember);
        QFETCH(QString, memoryRow);
        QFETCH(QString, forget);
        QFETCH(QString, fileRow);
        ColorFileWindow w;
        const QString path =
            w.writeFile(file, "f#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n");
        // The set just remembered is the last row, and the chosen one.
        const auto rememberNow = [&](int row) {
            w.press(remember.toLatin1().constData());
            QCOMPARE(w.cell(memoryRow + QString::number(row))->mark(), RowMark::Chosen);
            QVERIFY(w.find<QPushButton>(forget)->isEnabled());
        };
        rememberNow(0);
        w.press(openButton.toLatin1().constData(), path);
        QCOMPARE(w.cell(fileRow)->mark(), RowMark::Chosen);
        QCOMPARE(w.cell(memoryRow + "0")->mark(), RowMark::Plain);
        QVERIFY(!w.find<QPushButton>(forget)->isEnabled());

        rememberNow(1);
        QTest::mouseClick(w.cell(fileRow), Qt::LeftButton);
        QCOMPARE(w.cell(fileRow)->mark(), RowMark::Chosen);
        QCOMPARE(w.cell(memoryRow + "1")->mark(), RowMark::Plain);
        QVERIFY(!w.find<QPushButton>(forget)->isEnabled());
    }

    void scrollbarFilesSetTheBoxesOnlyWhenValid()
    {
        ColorFileWindow w;
        ScrollbarColorEditor &editor = w.workbench->scrollbarEditor;
        const auto boxes = [&editor] {
            QString ticks;
            for (int k = 0; k < 8; ++k)
                ticks += editor.isEnabled(static_cast<ScrRole>(k)) ? u'1' : u'0';
            return ticks;
        };
        const qsizetype writes = w.fakes.previewBrowser.urls.size();
        w.press("cmdOpenSc",
                w.writeFile("a.scb", "a#000000FFFFFFCCCCCC000000CCCCCC000000FFFFFF999999"
                                     "\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n"));
        QCOMPARE(boxes(), QStringLiteral("10010001"));
        QCOMPARE(w.fakes.previewBrowser.urls.size(), writes + 1);
        QCOMPARE(editor.caption(ScrRole::ScrBase), QStringLiteral("#000000"));
        QCOMPARE(w.window->editorTabs().currentIndex(), 1);
        QCOMPARE(w.cell("ScrFile_0")->mark(), RowMark::Chosen);

        w.press("cmdOpenSc", w.writeFile("bad.scb", "b#cccccc\r\n0\r\n1\r\n1\r\n1\r\n"));
        w.press("cmdOpenSc",
                w.writeFile("long.scb", "c#\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"));
        QCOMPARE(boxes(), QStringLiteral("10010001"));
        // The file with a ninth check line says why it is refused, and sets
        // none of the boxes its first eight lines name.
        QCOMPARE(w.fakes.messageBox.shown.size(), 2);
        QCOMPARE(w.fakes.messageBox.shown.at(0).text, invalidFile);
        QCOMPARE(w.fakes.messageBox.shown.at(1).text,
                 QStringLiteral("スクロールバーの色設定ファイルの形ではありません（空か、チェックの"
                                "行が8行より多くあります）。\n\n%1")
                     .arg(w.folder() + "/long.scb"));

        // Clicking the row later brings its boxes back.
        editor.enabledToggle(ScrRole::ScrBase).setChecked(false);
        w.window->editorTabs().setCurrentIndex(0);
        QTest::mouseClick(w.cell("ScrInfo_0"), Qt::LeftButton);
        QCOMPARE(boxes(), QStringLiteral("10010001"));
        QCOMPARE(w.window->editorTabs().currentIndex(), 1);
    }

    void failedOrRefusedSavesListNothing()
    {
        ColorFileWindow w;
        // A description that would not read back is asked for again.
        w.fakes.inputBox.answers = {QStringLiteral("夏#1"), QStringLiteral("夏")};
        const QString gone = w.folder() + "/gone/a.iro";
        w.press("CmdSave", gone);
        QCOMPARE(w.fakes.inputBox.prompts.size(), 2);
        // Asked again holding what was typed, to be mended.
        QCOMPARE(w.fakes.inputBox.shownTexts, (QStringList{QString(), QStringLiteral("夏#1")}));
        QCOMPARE(w.fakes.messageBox.shown.size(), 2);
        QVERIFY(w.fakes.messageBox.shown.first().text.contains(QStringLiteral("「#」")));
        QVERIFY(w.fakes.messageBox.shown.last().text.startsWith(
            QStringLiteral("ファイルを保存できませんでした。")));
        QVERIFY(w.fakes.messageBox.shown.last().text.contains(gone));
        QVERIFY(!w.workbench->pageFiles.list().filesOpen());
        QCOMPARE(w.cell("TxtFile_0")->text(), QString());

        // Cancelled prompt: saved without a description, the line starts with "#".
        const QString path = w.folder() + "/b.scb";
        w.press("CmdSaveSc", path);
        QVERIFY(ColorFileWindow::bytesOf(path).startsWith(
            "#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n0\r\n"));
        QCOMPARE(w.fakes.fileDialog.requests.last().defaultSuffix, QStringLiteral("scb"));
        QCOMPARE(w.cell("ScrFile_0")->text(), QStringLiteral("b.scb"));
        QCOMPARE(w.cell("ScrFile_0")->mark(), RowMark::Plain);
    }

    void emptyListsRefuseOverwriteAndRelease()
    {
        ColorFileWindow w;
        w.window->setRunDialog([](QDialog &) { QFAIL("no dialog on an empty list"); });
        QTest::mouseClick(w.cell("TxtFile_0"), Qt::LeftButton);
        QCOMPARE(w.cell("TxtFile_0")->mark(), RowMark::Plain);
        w.press("CmdOverW");
        w.press("CmdReleaseSc");
        QCOMPARE(w.fakes.messageBox.shown.size(), 2);
        QCOMPARE(w.fakes.messageBox.shown.first().text,
                 QStringLiteral("開いているファイルがないので上書きできません"));
        QCOMPARE(w.fakes.messageBox.shown.last().text,
                 QStringLiteral("開いているファイルがないので解放できません"));
        QCOMPARE(w.window->editorTabs().currentIndex(), 0);
    }
};

TINTMILL_TEST_MAIN(TestColorFileLists)
#include "tst_colorfilelists.moc"
