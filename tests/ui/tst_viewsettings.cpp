#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

const char *const blockLetters[3] = {"D", "M", "S"};
const char *const itemSuffixes[6] = {"All", "Text", "Link", "VLink", "Hover", "ALink"};
// The sample line shown by each label item, block by block.
const char *const lineNames[3][5] = {
    {"LblText", "LblLink", "LblVlink", "lblHover", "LblAlink"},
    {"LblText1", "LblLink1", "LblVLink1", "lblHover1", "LblALink1"},
    {"LblText2", "LblLink2", "LblVlink2", "lblHover2", "LblAlink2"},
};

QString itemName(int block, int item)
{
    return QStringLiteral("mnu%1%2").arg(QLatin1String(blockLetters[block]),
                                         QLatin1String(itemSuffixes[item]));
}

// The check marks as T/F in settings file order, grouped by block; and the
// check that every sample line is shown exactly when its item is checked.
QString marksOf(const MainWindowFixture &f)
{
    QString marks;
    for (int b = 0; b < 3; ++b) {
        if (b > 0)
            marks += u' ';
        for (int i = 0; i < 6; ++i) {
            QAction *action = f.find<QAction>(itemName(b, i));
            marks += action->isChecked() ? u'T' : u'F';
            if (i > 0 && f.find<QWidget>(QString::fromLatin1(lineNames[b][i - 1]))->isHidden() ==
                             action->isChecked())
                return QStringLiteral("line %1 does not follow its item").arg(itemName(b, i));
        }
    }
    return marks;
}

const QString allShown = QStringLiteral("TTTTTT TTTTTT TTTTTT");

QString settingsPath(const QString &folder)
{
    return folder + QStringLiteral("/Tintmill.ini");
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestViewSettings : public QObject
{
    Q_OBJECT

private slots:
    void viewMenuHoldsEighteenCheckItems()
    {
        MainWindowFixture f;
        const QStringList captions{
            "テキスト・リンクをすべて表示(&U)", "テキストを表示(&J)",
            "未訪問のリンクを表示(&N)",         "訪問済のリンクを表示(&I)",
            "オンマウスのリンクを表示(&M)",     "クリック時のリンクを表示(&K)"};
        const char *menus[3] = {"mnuDai", "mnuMid", "mnuSmall"};
        for (int b = 0; b < 3; ++b) {
            const QList<QAction *> actions =
                f.find<QMenu>(QString::fromLatin1(menus[b]))->actions();
            QCOMPARE(actions.size(), 6);
            for (int i = 0; i < 6; ++i) {
                QCOMPARE(actions.at(i)->objectName(), itemName(b, i));
                QCOMPARE(actions.at(i)->text(), captions.at(i));
                QVERIFY(actions.at(i)->isCheckable());
            }
        }
        QCOMPARE(marksOf(f), allShown);
    }

    void menuItemsShowAndHideTheirLines_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("marks");
        QTest::newRow("one line") << QStringList{"mnuMVLink"} << "TTTTTT FTTFTT TTTTTT";
        QTest::newRow("one line back") << QStringList{"mnuMVLink", "mnuMVLink"} << allShown;
        QTest::newRow("all hides the block") << QStringList{"mnuSAll"} << "TTTTTT TTTTTT FFFFFF";
        QTest::newRow("all again shows it") << QStringList{"mnuSAll", "mnuSAll"} << allShown;
        QTest::newRow("all with two hidden shows all")
            << QStringList{"mnuDText", "mnuDHover", "mnuDAll"} << allShown;
    }

    void menuItemsShowAndHideTheirLines()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QString, marks);
        MainWindowFixture f;
        for (const QString &name : chosen)
            f.find<QAction>(name)->trigger();
        QCOMPARE(marksOf(f), marks);
    }

    void popupOnAPreviewBlockWorksTheSameItems()
    {
        MainWindowFixture f;
        auto *viewMenu = f.find<QMenu>("mnuView");
        QTest::mousePress(f.find<QWidget>("PicSmall"), Qt::RightButton, {}, QPoint(3, 3));
        QTRY_VERIFY(viewMenu->isVisible());
        // 大ブロック(&B), then テキストを表示(&J).
        QTest::keyClick(viewMenu, Qt::Key_B);
        auto *largeMenu = f.find<QMenu>("mnuDai");
        QTRY_VERIFY(largeMenu->isVisible());
        QTest::keyClick(largeMenu, Qt::Key_J);
        QTRY_VERIFY(!viewMenu->isVisible());
        QCOMPARE(marksOf(f), QStringLiteral("FFTTTT TTTTTT TTTTTT"));
    }

    void closingWritesTheFileAndTheNextStartRestoresIt()
    {
        QTemporaryDir folder;
        {
            MainWindowFixture first(folder.path());
            QCOMPARE(marksOf(first), allShown);
            first.find<QAction>("mnuDText")->trigger();
            first.find<QAction>("mnuMAll")->trigger();
            first.find<QAction>("mnuSHover")->trigger();
            QVERIFY(first.window->close());
        }
        QCOMPARE(readBytes(settingsPath(folder.path())),
                 QByteArray("False\r\nFalse\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n"
                            "False\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n"
                            "False\r\nTrue\r\nTrue\r\nTrue\r\nFalse\r\nTrue\r\n"));
        MainWindowFixture second(folder.path());
        QCOMPARE(marksOf(second), QStringLiteral("FFTTTT FFFFFF FTTTFT"));
    }

    void noFileStartsFullyShownAndClosingCreatesIt()
    {
        QTemporaryDir folder;
        MainWindowFixture f(folder.path());
        QCOMPARE(marksOf(f), allShown);
        QVERIFY(f.window->close());
        QCOMPARE(readBytes(settingsPath(folder.path())), QByteArray("True\r\n").repeated(18));
    }

    void startsFromWhatTheFileSays_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("marks");
        QTest::newRow("six lines, all False")
            << QByteArray("False\r\n").repeated(6) << "FFFFFF TTTTTT TTTTTT";
        QTest::newRow("short file without a last line end")
            << QByteArray("True\r\nTrue\r\nTrue\r\nFalse") << "FTTFTT TTTTTT TTTTTT";
        QTest::newRow("lower case false") << QByteArray("True\r\nfalse\r\n") << allShown;
        QTest::newRow("False with a trailing blank")
            << QByteArray("True\r\nFalse \r\n") << allShown;
        QTest::newRow("hand-edited All line")
            << (QByteArray("False\r\n") + QByteArray("True\r\n").repeated(17))
            << "FTTTTT TTTTTT TTTTTT";
        QTest::newRow("empty file") << QByteArray() << allShown;
    }

    void startsFromWhatTheFileSays()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, marks);
        QTemporaryDir folder;
        writeBytes(settingsPath(folder.path()), file);
        MainWindowFixture f(folder.path());
        QCOMPARE(marksOf(f), marks);

        // Closing always writes eighteen whole lines, whatever was read.
        QVERIFY(f.window->close());
        QCOMPARE(readBytes(settingsPath(folder.path())).count("\r\n"), 18);
    }

    void handEditedAllItemShowsAndChecksEverythingWhenChosen()
    {
        QTemporaryDir folder;
        writeBytes(settingsPath(folder.path()), "False\r\n");
        MainWindowFixture f(folder.path());
        QCOMPARE(marksOf(f), QStringLiteral("FTTTTT TTTTTT TTTTTT"));
        f.find<QAction>("mnuDAll")->trigger();
        QCOMPARE(marksOf(f), allShown);
    }

    void exitCommandLeavesTheFileAsItWas()
    {
        QTemporaryDir folder;
        const QByteArray before = QByteArray("True\r\nFalse\r\n");
        writeBytes(settingsPath(folder.path()), before);
        MainWindowFixture f(folder.path());
        f.find<QAction>("mnuSAll")->trigger();
        f.find<QAction>("mnuClose")->trigger();
        QCOMPARE(f.exitRequests, 1);
        QCOMPARE(readBytes(settingsPath(folder.path())), before);
    }

    void unwritableFolderStillLetsTheWindowClose()
    {
        QTemporaryDir folder;
        // A plain file where the folder should be: not even root can write there.
        const QString notAFolder = folder.filePath("plain-file");
        writeBytes(notAFolder, "x");
        MainWindowFixture f(notAFolder);
        QCOMPARE(marksOf(f), allShown);
        QVERIFY(f.window->close());
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.fakes.messageBox.shown.size(), 1);
        QCOMPARE(f.fakes.messageBox.shown.at(0).icon, MessageBox::Icon::Exclamation);
    }
};

TINTMILL_TEST_MAIN(TestViewSettings)
#include "tst_viewsettings.moc"
