#include "files/colorfiles.h"
#include "support/colorfilewindow.h"
#include "support/testmain.h"
#include "ui/saveload/frmoverw.h"

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <functional>
#include <sys/stat.h>

using namespace tintmill;
using test::ColorFileWindow;

namespace {

const QString startupData = QStringLiteral("FFFFFF000000FF00000000000000000000000000FF000000");

// The main window with five page files, the first chosen from the list, and
// the dialog to be driven by `drive` while it is shown.
// Moves the pointer onto `widget`. The offscreen platform would send the
// move to the first window under the pointer, whatever lies on top; this
// sends it to the widget's own window.
void pointAt(QWidget *widget, QPoint position)
{
    QWidget *window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, position));
}

// File i's background is 3333 followed by the i-th of these.
const QByteArrayList steps{"00", "33", "66", "99", "CC", "FF"};

struct DialogWindow : ColorFileWindow
{
    void showActive(QDialog &dialog) const
    {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

    explicit DialogWindow(int files = 5)
    {
        for (int i = 0; i < files; ++i)
            paths.append(pageFile(QStringLiteral("%1.iro").arg(i),
                                  QByteArray::number(i) + "\x94\xd4", // 番
                                  "3333" + steps.at(i % 6)));
    }

    void openAll()
    {
        for (const QString &path : paths)
            press("CmdOpen", path);
    }

    // Presses `button` and runs `drive` on the dialog it shows.
    void run(const char *button, std::function<void(FrmOverW &)> drive)
    {
        window->setRunDialog([this, drive](QDialog &dialog) {
            ++dialogs;
            auto *overW = qobject_cast<FrmOverW *>(&dialog);
            QVERIFY(overW);
            QCOMPARE(dialog.pos(), window->pos());
            showActive(dialog);
            drive(*overW);
        });
        press(button);
    }

    static RowCell *row(FrmOverW &dialog, const char *column, int index)
    {
        return dialog.findChild<RowCell *>(QStringLiteral("%1_%2").arg(column).arg(index));
    }

    QStringList paths;
    int dialogs = 0;
};

} // namespace

class TestFrmOverW : public QObject
{
    Q_OBJECT

private slots:
    void modesShowTheirCaptionHintAndButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("releaseShown");
        QTest::newRow("overwrite")
            << "CmdOverW"
            << "ファイルの上書き保存"
            << "☆上書き保存したいファイル名をクリックしてください。" << false;
        QTest::newRow("release")
            << "CmdRelease"
            << "ファイルの解放"
            << "☆解放したいファイル名をクリックで選択、再度クリックで選択解除\n"
               "　下の解放ボタンクリックで選択したファイルを解放します。"
            << true;
    }
    void modesShowTheirCaptionHintAndButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, releaseShown);
        DialogWindow w(11);
        w.openAll();
        w.run(button.toLatin1().constData(), [&](FrmOverW &d) {
            QCOMPARE(d.windowTitle(), caption);
            QCOMPARE(d.findChild<QLabel *>("Label1")->text(), hint);
            QCOMPARE(d.findChild<QLabel *>("Label2")->text(),
                     QStringLiteral("☆マウスを当てるとそのファイルの色設定をプレビューで"
                                    "確認できます。"));
            auto *release = d.findChild<QPushButton *>("CmdRelease");
            QCOMPARE(release->isVisible(), releaseShown);
            QVERIFY(!release->isEnabled());
            // Every text shows whole.
            for (QLabel *label : d.findChildren<QLabel *>())
                QVERIFY2(label->sizeHint().width() <= label->width() &&
                             label->sizeHint().height() <= label->height(),
                         qPrintable(label->objectName()));
            // Copies of the eleven rows, plain, scrolled to the end.
            QCOMPARE(DialogWindow::row(d, "TxtFile", 10)->text(), QStringLiteral("10.iro"));
            QCOMPARE(DialogWindow::row(d, "TxtFile", 10)->toolTip(), w.folder());
            QCOMPARE(DialogWindow::row(d, "TxtInfo", 3)->text(), QStringLiteral("3番"));
            QCOMPARE(DialogWindow::row(d, "TxtFile", 10)->mark(), RowMark::Plain);
            QCOMPARE(d.findChild<QScrollBar *>("VScFile")->value(), 270);
        });
        QCOMPARE(w.dialogs, 1);
        QVERIFY(!w.workbench->pageFiles.list().hasSnapshot());
    }

    void releasingRowsOneAndThreeClosesUpTheRest()
    {
        DialogWindow w;
        w.openAll();
        // A chosen row that stays is left plain as well.
        QTest::mouseClick(w.cell("TxtFile_0"), Qt::LeftButton);
        QCOMPARE(w.cell("TxtFile_0")->mark(), RowMark::Chosen);
        w.run("CmdRelease", [](FrmOverW &d) {
            auto *release = d.findChild<QPushButton *>("CmdRelease");
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 1), Qt::LeftButton);
            QVERIFY(release->isEnabled());
            QTest::mouseClick(DialogWindow::row(d, "TxtInfo", 1), Qt::LeftButton);
            QVERIFY(!release->isEnabled());
            QTest::mouseClick(DialogWindow::row(d, "TxtInfo", 1), Qt::LeftButton);
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 3), Qt::LeftButton);
            QCOMPARE(DialogWindow::row(d, "TxtInfo", 3)->mark(), RowMark::Chosen);
            QTest::mouseClick(release, Qt::LeftButton);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(w.fakes.messageBox.shown.size(), 1);
        QCOMPARE(w.fakes.messageBox.shown.last().text,
                 QStringLiteral("2個のファイルを解放しました。"));
        QCOMPARE(w.fakes.messageBox.shown.last().icon, MessageBox::Icon::None);
        const QStringList kept{"0.iro", "2.iro", "4.iro"};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(w.cell(QStringLiteral("TxtFile_%1").arg(row))->text(), kept.at(row));
            QCOMPARE(w.cell(QStringLiteral("TxtFile_%1").arg(row))->mark(), RowMark::Plain);
        }
        QCOMPARE(w.cell("TxtInfo_2")->text(), QStringLiteral("4番"));
        QTRY_VERIFY(!w.cell("TxtFile_3") && !w.cell("TxtInfo_4"));
        // Row 2 holds file 4's colours now.
        QTest::mouseClick(w.cell("TxtFile_2"), Qt::LeftButton);
        QVERIFY(w.pageData().startsWith(QStringLiteral("3333CC")));
    }

    // Only a row with a file previews anything. Past the last file the list
    // keeps the colours the dialog started with: pointing there marks nothing.
    void pointingPastTheLastFilePreviewsNothing()
    {
        DialogWindow w(2);
        w.openAll();
        const std::unique_ptr<OverwriteReleaseSession> session =
            w.workbench->pageFiles.CmdOverW_Click();
        QVERIFY(session);
        session->hover(2);
        QVERIFY(!session->HoverActive());
        QCOMPARE(w.pageData(), QStringLiteral("333333000000CCCCCC0000FF990099FF0000999999FF00FF"));
        session->hover(0);
        QVERIFY(session->HoverActive());
        QCOMPARE(w.pageData(), QStringLiteral("333300000000CCCCCC0000FF990099FF0000999999FF00FF"));
        session->close();
    }

    void releasingEveryFileEmptiesTheList()
    {
        DialogWindow w(2);
        w.openAll();
        w.run("CmdRelease", [](FrmOverW &d) {
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 0), Qt::LeftButton);
            QTest::mouseClick(DialogWindow::row(d, "TxtInfo", 1), Qt::LeftButton);
            // Access key R, while a row is previewed.
            pointAt(DialogWindow::row(d, "TxtFile", 0), QPoint(8, 8));
            QTest::keyClick(&d, Qt::Key_R, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
        });
        QCOMPARE(w.fakes.messageBox.shown.size(), 1);
        QCOMPARE(w.fakes.messageBox.shown.last().text,
                 QStringLiteral("2個のファイルを解放しました。"));
        QVERIFY(!w.workbench->pageFiles.list().filesOpen());
        QCOMPARE(w.cell("TxtFile_0")->text(), QString());
        QCOMPARE(w.cell("TxtFile_0")->toolTip(), QString());
        QTRY_VERIFY(!w.cell("TxtFile_1"));
        // The snapshot (file 1's colours, opened last) is in force, not the preview.
        QVERIFY(w.pageData().startsWith(QStringLiteral("333333")));

        w.fakes.inputBox.answers = {QStringLiteral("次")};
        w.press("CmdSave", w.folder() + "/next.iro");
        QCOMPARE(w.cell("TxtFile_0")->text(), QStringLiteral("next.iro"));
        QCOMPARE(w.cell("TxtInfo_0")->text(), QStringLiteral("次"));
    }

    void pointingPreviewsAndLeavingRestores()
    {
        DialogWindow w(3);
        w.openAll();
        w.workbench->pageEditor.ColorChange(0); // background #000000, by hand
        const QString snapshot = w.pageData();
        w.run("CmdOverW", [&](FrmOverW &d) {
            pointAt(DialogWindow::row(d, "TxtInfo", 1), QPoint(8, 8));

            QTRY_VERIFY(w.pageData().startsWith(QStringLiteral("333333")));
            QCOMPARE(DialogWindow::row(d, "TxtFile", 1)->mark(), RowMark::Hovered);
            pointAt(DialogWindow::row(d, "TxtFile", 0), QPoint(8, 8));
            QTRY_VERIFY(w.pageData().startsWith(QStringLiteral("333300")));
            // Over the hints the preview stays; over a header it ends.
            pointAt(d.findChild<QLabel *>("Label1"), QPoint(8, 8));
            QTest::qWait(20);
            QVERIFY(w.pageData().startsWith(QStringLiteral("333300")));
            pointAt(d.findChild<QLabel *>("Label8"), QPoint(4, 4));
            QTRY_COMPARE(w.pageData(), snapshot);
            QCOMPARE(DialogWindow::row(d, "TxtFile", 0)->mark(), RowMark::Plain);
            // The close box while previewing leaves the snapshot, too.
            pointAt(DialogWindow::row(d, "TxtFile", 2), QPoint(8, 8));
            QTRY_VERIFY(w.pageData().startsWith(QStringLiteral("333366")));
            d.close();
        });
        QCOMPARE(w.pageData(), snapshot);
        QVERIFY(w.fakes.messageBox.shown.isEmpty());
    }

    void overwriteKeepsTheDescriptionAndWritesTheSnapshot()
    {
        DialogWindow w(3);
        w.openAll();
        w.workbench->pageEditor.ColorChange(215); // background #FFFFFF, by hand
        const QString snapshot = w.pageData();
        w.fakes.messageBox.answers = {false, true};
        w.run("CmdOverW", [&](FrmOverW &d) {
            pointAt(DialogWindow::row(d, "TxtFile", 1), QPoint(8, 8));
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 1), Qt::LeftButton);
            QVERIFY(d.isVisible()); // "No": nothing written, still open
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 1), Qt::LeftButton);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(w.fakes.messageBox.questions,
                 QStringList(2, QStringLiteral("このファイルを上書きしますか？")));
        QCOMPARE(w.fakes.messageBox.shown.last().text, QStringLiteral("上書きに成功しました"));
        QCOMPARE(w.fakes.messageBox.shown.last().icon, MessageBox::Icon::Information);
        // 1番 in code page 932, then the snapshot's colours.
        QCOMPARE(ColorFileWindow::bytesOf(w.paths.at(1)),
                 QByteArray("1\x94\xd4#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n"));
        QCOMPARE(w.pageData(), snapshot);
        QCOMPARE(w.cell("TxtInfo_1")->text(), QStringLiteral("1番"));
        // The list holds what the file now holds.
        w.workbench->pageEditor.ColorChange(0);
        QTest::mouseClick(w.cell("TxtFile_1"), Qt::LeftButton);
        QCOMPARE(w.pageData(), snapshot);
    }

    // Reached through the accessibility interface that screen readers and
    // automation use, which the modal dialog does not hold back.
    void aSecondSessionIsRefusedWhileOneIsOpen_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("overwrite, overwrite") << "CmdOverW"
                                              << "CmdOverW";
        QTest::newRow("release, scrollbar release") << "CmdRelease"
                                                    << "CmdReleaseSc";
    }
    void aSecondSessionIsRefusedWhileOneIsOpen()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        DialogWindow w(2);
        w.openAll();
        w.press("cmdOpenSc",
                w.writeFile("a.scb", "a#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n"));
        w.window->mainTabs().setCurrentIndex(1);
        w.workbench->pageEditor.ColorChange(215); // background #FFFFFF, by hand
        const QString snapshot = w.pageData();
        w.run(first.toLatin1().constData(), [&](FrmOverW &d) {
            if (w.dialogs > 1) {
                d.reject();
                return;
            }
            QAccessibleInterface *button =
                QAccessible::queryAccessibleInterface(w.find<QPushButton>(second));
            QVERIFY(button && button->actionInterface());
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(300); // the press lets go after 100 ms
            QCOMPARE(w.dialogs, 1);
            QTest::mouseClick(d.findChild<QPushButton *>("CmdCancel"), Qt::LeftButton);
        });
        QCOMPARE(w.dialogs, 1);
        QCOMPARE(w.pageData(), snapshot);
        QVERIFY(!w.workbench->pageFiles.list().hasSnapshot());
        QVERIFY(!w.workbench->scrollbarFiles.list().hasSnapshot());
        QVERIFY(w.fakes.messageBox.shown.isEmpty());
        // Once it is closed, the next session starts as usual.
        w.run(second.toLatin1().constData(), [](FrmOverW &d) { d.reject(); });
        QCOMPARE(w.dialogs, 2);
    }

    void aFileChangedOnDiskIsOverwrittenOnlyWhenConfirmed_data()
    {
        QTest::addColumn<bool>("confirmed");
        // File 1 came into the list by being saved here, not opened.
        QTest::addColumn<bool>("savedHere");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("いいえ")
            << false << false
            << QByteArray("other#666666000000CCCCCC0000FF990099FF0000999999FF00FF\r\n");
        QTest::newRow("はい")
            << true << false
            << QByteArray("1\x94\xd4#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n");
        QTest::newRow("いいえ, a file saved here")
            << false << true
            << QByteArray("other#666666000000CCCCCC0000FF990099FF0000999999FF00FF\r\n");
    }
    void aFileChangedOnDiskIsOverwrittenOnlyWhenConfirmed()
    {
        QFETCH(bool, confirmed);
        QFETCH(bool, savedHere);
        QFETCH(QByteArray, after);
        DialogWindow w(2);
        if (savedHere) {
            w.press("CmdOpen", w.paths.at(0));
            w.fakes.inputBox.answers = {QStringLiteral("1番")};
            w.press("CmdSave", w.paths.at(1));
        } else {
            w.openAll();
        }
        // Another program writes file 1 after it was opened here.
        w.pageFile("1.iro", "other", "666666");
        w.workbench->pageEditor.ColorChange(215); // background #FFFFFF, by hand
        w.fakes.messageBox.answers = {true, confirmed};
        w.run("CmdOverW", [&](FrmOverW &d) {
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 1), Qt::LeftButton);
            QCOMPARE(d.isVisible(), !confirmed);
            if (d.isVisible())
                QTest::mouseClick(d.findChild<QPushButton *>("CmdCancel"), Qt::LeftButton);
        });
        QCOMPARE(w.fakes.messageBox.questions.size(), 2);
        QCOMPARE(
            w.fakes.messageBox.questions.last(),
            QStringLiteral("このファイルは、開いた後にほかのプログラムなどで変更されています。\n"
                           "上書きすると、その変更は失われます。上書きしますか？\n\n") +
                w.paths.at(1));
        QCOMPARE(ColorFileWindow::bytesOf(w.paths.at(1)), after);
    }

    void overwriteKeepsTheDescriptionsBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("scrollbar");
        const QByteArray page = "#CC9933000000FFFFFF0000FF990099FF0000999999FF00FF\r\n";
        const QByteArray scrollbar = "#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n"
                                     "1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n";
        // Bytes code page 932 cannot decode: 81 FF is no character, A0 and 80
        // are no character on their own.
        const QByteArray undecodable = QByteArray::fromHex("81ffa080") + "ab";
        QTest::newRow("page, not code page 932") << undecodable + page << false;
        // 夏の色 in UTF-8.
        QTest::newRow("page, UTF-8") << QByteArray::fromHex("e5a48fe381aee889b2") + page << false;
        QTest::newRow("scrollbar, not code page 932") << undecodable + scrollbar << true;
    }
    void overwriteKeepsTheDescriptionsBytes()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, scrollbar);
        DialogWindow w(0);
        const QString path = w.writeFile(scrollbar ? "a.scb" : "a.iro", file);
        w.press(scrollbar ? "cmdOpenSc" : "CmdOpen", path);
        // Overwritten with the colours just read, the file is what it was.
        w.fakes.messageBox.answers = {true};
        w.run(scrollbar ? "CmdOverWSc" : "CmdOverW", [&](FrmOverW &d) {
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 0), Qt::LeftButton);
        });
        QCOMPARE(w.fakes.messageBox.shown.last().text, QStringLiteral("上書きに成功しました"));
        QCOMPARE(ColorFileWindow::bytesOf(path), file);
    }

    void failedOverwriteSaysSoAndChangesNothing()
    {
        DialogWindow w(2);
        w.openAll();
        QVERIFY(::chmod(QFile::encodeName(w.paths.at(0)).constData(), 0444) == 0);
        const QByteArray before = ColorFileWindow::bytesOf(w.paths.at(0));
        w.workbench->pageEditor.ColorChange(215);
        w.fakes.messageBox.answers = {true};
        w.run("CmdOverW", [&](FrmOverW &d) {
            QTest::mouseClick(DialogWindow::row(d, "TxtFile", 0), Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(w.fakes.messageBox.shown.size(), 1);
            QVERIFY(w.fakes.messageBox.shown.last().text.startsWith(
                QStringLiteral("ファイルを上書きできませんでした。")));
            QCOMPARE(w.fakes.messageBox.shown.last().icon, MessageBox::Icon::Exclamation);
            QTest::mouseClick(d.findChild<QPushButton *>("CmdCancel"), Qt::LeftButton);
        });
        QCOMPARE(ColorFileWindow::bytesOf(w.paths.at(0)), before);
        QCOMPARE(w.fakes.messageBox.shown.size(), 1);
        QTest::mouseClick(w.cell("TxtFile_0"), Qt::LeftButton);
        QVERIFY(w.pageData().startsWith(QStringLiteral("333300")));
    }
};

TINTMILL_TEST_MAIN(TestFrmOverW)
#include "tst_frmoverw.moc"
