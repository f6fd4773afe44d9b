#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

const char *const itemSuffixes[6] = {"All", "Text", "Link", "VLink", "Hover", "ALink"};
const char *const lineNames[3][5] = {
    {"LblText", "LblLink", "LblVlink", "lblHover", "LblAlink"},
    {"LblText1", "LblLink1", "LblVLink1", "lblHover1", "LblALink1"},
    {"LblText2", "LblLink2", "LblVlink2", "lblHover2", "LblAlink2"},
};

QString itemName(int block, int item)
{
    return QStringLiteral("mnu") + QString("DMS").at(block) + QLatin1String(itemSuffixes[item]);
}

// The check marks as T/F in settings file order, a blank between blocks; or
// the first label item whose sample line does not follow it.
QString marksOf(const MainWindowFixture &f)
{
    QString marks;
    for (int b = 0; b < 3; ++b) {
        marks += QString(b > 0 ? " " : "");
        for (int i = 0; i < 6; ++i) {
            const QAction *item = f.find<QAction>(itemName(b, i));
            if (!item)
                return itemName(b, i) + QStringLiteral(" missing");
            const bool checked = item->isChecked();
            marks += checked ? u'T' : u'F';
            if (i > 0 && f.find<QWidget>(QLatin1String(lineNames[b][i - 1]))->isHidden() == checked)
                return itemName(b, i) + QStringLiteral(" and its line disagree");
        }
    }
    return marks;
}

const QString allShown = QStringLiteral("TTTTTT TTTTTT TTTTTT");

QByteArray readBytes(const QTemporaryDir &folder)
{
    QFile file(folder.filePath("Tintmill.ini"));
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
    void popupOnAPreviewBlockWorksTheSameItems()
    {
        MainWindowFixture f;
        auto *viewMenu = f.find<QMenu>("mnuView");
        QTest::mousePress(f.find<QWidget>("PicSmall"), Qt::RightButton, {}, QPoint(3, 3));
        QTRY_VERIFY(viewMenu->isVisible());
        QTest::keyClick(viewMenu, Qt::Key_B); // 大ブロック(&B)
        auto *largeMenu = f.find<QMenu>("mnuDai");
        QTRY_VERIFY(largeMenu->isVisible());
        QTest::keyClick(largeMenu, Qt::Key_J); // テキストを表示(&J)
        QTRY_VERIFY(!viewMenu->isVisible());
        QCOMPARE(marksOf(f), QStringLiteral("FFTTTT TTTTTT TTTTTT"));
    }

    void closingWritesTheFileAndTheNextStartRestoresIt()
    {
        QTemporaryDir folder;
        {
            MainWindowFixture first(folder.path());
            first.find<QAction>("mnuDText")->trigger();
            first.find<QAction>("mnuMAll")->trigger();
            first.find<QAction>("mnuSHover")->trigger();
            QVERIFY(first.window->close());
        }
        QCOMPARE(readBytes(folder),
                 QByteArray("False\r\nFalse\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n"
                            "False\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n"
                            "False\r\nTrue\r\nTrue\r\nTrue\r\nFalse\r\nTrue\r\n"));
        MainWindowFixture second(folder.path());
        QCOMPARE(marksOf(second), QStringLiteral("FFTTTT FFFFFF FTTTFT"));
    }

    void startsFromWhatTheFileSays_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("afterAll"); // after choosing the large block's All
        const QString largeHidden = QStringLiteral("FFFFFF TTTTTT TTTTTT");
        QTest::newRow("no file") << QByteArray() << allShown << largeHidden;
        QTest::newRow("six lines False")
            << QByteArray("False\r\n").repeated(6) << largeHidden << allShown;
        QTest::newRow("near misses")
            << QByteArray("True\r\nfalse\r\nFalse \r\n") << allShown << largeHidden;
        QTest::newRow("hand-edited All line")
            << (QByteArray("False\r\n") + QByteArray("True\r\n").repeated(17))
            << "FTTTTT TTTTTT TTTTTT" << allShown;
    }

    void startsFromWhatTheFileSays()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, marks);
        QFETCH(QString, afterAll);
        QTemporaryDir folder;
        if (!file.isEmpty())
            writeBytes(folder.filePath("Tintmill.ini"), file);
        MainWindowFixture f(folder.path());
        QCOMPARE(marksOf(f), marks);
        f.find<QAction>("mnuDAll")->trigger();
        QCOMPARE(marksOf(f), afterAll);

        // Closing always writes eighteen whole lines, whatever was read.
        QVERIFY(f.window->close());
        QCOMPARE(readBytes(folder).count("\r\n"), 18);
    }

    void exitCommandWritesTheFileAsTheCloseBoxDoes()
    {
        QTemporaryDir folder;
        writeBytes(folder.filePath("Tintmill.ini"), "True\r\nFalse\r\n");
        MainWindowFixture f(folder.path());
        f.find<QAction>("mnuSAll")->trigger();
        f.find<QAction>("mnuClose")->trigger();
        QCOMPARE(f.exitRequests, 1);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(readBytes(folder), QByteArray("False\r\nFalse\r\n") +
                                        QByteArray("True\r\n").repeated(10) +
                                        QByteArray("False\r\n").repeated(6));
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
    }

    void oddThingsInPlaceOfTheFileAreNeitherReadNorWrittenThrough_data()
    {
        QTest::addColumn<QString>("inPlace");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("afterClose"); // what stands at Tintmill.ini then
        QTest::addColumn<QString>("told");       // the reason the user is given, if any
        const QString linkText =
            QStringLiteral("シンボリックリンクになっているため、書き込みませんでした。");
        QTest::newRow("FIFO")
            << "FIFO" << allShown << "FIFO"
            << "同じ名前のフォルダーまたは特殊なファイルがあるため、書き込めません。";
        QTest::newRow("link to /dev/zero") << "link to /dev/zero" << allShown << "link" << linkText;
        QTest::newRow("link to a file elsewhere") << "link to a file elsewhere"
                                                  << "FFFFFF TTTTTT TTTTTT"
                                                  << "link" << linkText;
        QTest::newRow("hundred megabytes")
            << "hundred megabytes" << allShown
            << QStringLiteral("file:True\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n"
                              "False\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n"
                              "True\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n")
            << QString();
    }

    void oddThingsInPlaceOfTheFileAreNeitherReadNorWrittenThrough()
    {
        QFETCH(QString, inPlace);
        QFETCH(QString, marks);
        QFETCH(QString, afterClose);
        QFETCH(QString, told);
        QTemporaryDir folder;
        QTemporaryDir elsewhere;
        const QString path = folder.filePath("Tintmill.ini");
        const QString theirs = elsewhere.filePath("theirs.ini");
        const QByteArray theirBytes = QByteArray("False\r\n").repeated(6);
        if (inPlace == "FIFO") {
            QVERIFY(test::putFifo(path));
        } else if (inPlace == "link to /dev/zero") {
            QVERIFY(test::putLink("/dev/zero", path));
        } else if (inPlace == "link to a file elsewhere") {
            QVERIFY(test::putFile(theirs, theirBytes));
            QVERIFY(test::putLink(theirs, path));
        } else {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(100 * 1024 * 1024));
        }

        // Start-up neither waits for a writer nor reads its way through.
        MainWindowFixture f(folder.path());
        QCOMPARE(marksOf(f), marks);
        f.find<QAction>("mnuMAll")->trigger();
        QVERIFY(f.window->close());
        QCOMPARE(test::entryAt(path), afterClose);
        if (inPlace == "link to a file elsewhere")
            QCOMPARE(test::entryAt(theirs),
                     QStringLiteral("file:") + QString::fromLatin1(theirBytes));
        QCOMPARE(f.fakes.messageBox.shown.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QVERIFY2(f.fakes.messageBox.shown.at(0).text.contains(told),
                     qPrintable(f.fakes.messageBox.shown.at(0).text));
    }
};

TINTMILL_TEST_MAIN(TestViewSettings)
#include "tst_viewsettings.moc"
