#include "platform/nativepath.h"
#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"

using namespace tintmill;
using test::MainWindowFixture;

// `tintmill FILE...` as a file manager starts it: main shows the window, then
// hands the names to the workbench's ColorIntake, which this drives over the
// real window with fake services, the names as given, from the folder the
// files are in.

namespace {

// The colours each file holds, as the editors give them back.
const QHash<QString, QString> records{
    {"summer.iro", "FFFFCC000000CCCCCC0000FF990099FF0000999999FF00FF"},
    {"NIGHT.IRO", "000000FFFFFF333333FFFF00FF99FFFF0000666666FF00FF"},
    {"face.scb", "CCCCCCFFFFFFFF0000000000CCCCCC000000FFFFFF999999"},
};

// Each list's file names, the chosen one marked "*": page files, then "/",
// then scrollbar files.
QString listed(const MainWindowFixture &f)
{
    QStringList names;
    for (const ColorFileList *list :
         {&f.workbench->pageFiles.list(), &f.workbench->scrollbarFiles.list()}) {
        for (int row = 0; row < list->fileCount(); ++row)
            names.append(list->text(row, 0) + (list->isChosen(row) ? "*" : ""));
        names.append("/");
    }
    names.removeLast();
    return names.join(u' ');
}

} // namespace

class TestGivenFiles : public QObject
{
    Q_OBJECT

private slots:
    void givenFilesOpenAsFromTheOpenDialog_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("pageColors");      // whose colours; empty: as at start
        QTest::addColumn<QString>("scrollbarColors"); // the same for the scrollbar
        QTest::addColumn<QStringList>("messages");    // "{dir}" stands for the files' folder

        const QStringList none;
        QTest::newRow("a page file") << QStringList{"summer.iro"} << "summer.iro* /"
                                     << "summer.iro"
                                     << "" << none;
        QTest::newRow("a scrollbar file") << QStringList{"face.scb"} << "/ face.scb*"
                                          << ""
                                          << "face.scb" << none;
        QTest::newRow("upper-case extension") << QStringList{"NIGHT.IRO"} << "NIGHT.IRO* /"
                                              << "NIGHT.IRO"
                                              << "" << none;
        QTest::newRow("two at once")
            << QStringList{"summer.iro", "face.scb"} << "summer.iro* / face.scb*"
            << "summer.iro"
            << "face.scb" << none;
        // Of several files given at once, each message names its file.
        QTest::newRow("the same file by two names")
            << QStringList{"summer.iro", "./summer.iro"} << "summer.iro* /"
            << "summer.iro"
            << "" << QStringList{"このファイルはすでに開いています。\n\n{dir}/summer.iro"};
        QTest::newRow("not a colour file")
            << QStringList{"broken.iro"} << "/"
            << ""
            << ""
            << QStringList{"このファイルは「Tintmill」ではつかまえられないファイルです\n\n"
                           "{dir}/broken.iro"};
        QTest::newRow("a folder, a FIFO, a file too large, then a file")
            << QStringList{"folder.iro", "pipe.scb", "big.iro", "face.scb"} << "/ face.scb*"
            << ""
            << "face.scb"
            << QStringList{"ファイルを開けませんでした。ファイルではなく、フォルダーです。\n\n"
                           "{dir}/folder.iro",
                           "ファイルを開けませんでした。ファイルではなく、名前付きパイプ（FIFO）"
                           "です。\n\n{dir}/pipe.scb",
                           "ファイルを開けませんでした。ファイルが大きすぎます（65,536 バイト"
                           "まで）。\n\n{dir}/big.iro"};
        // Latin-1 é: the name's bytes lead to the file; its row shows U+FFFD.
        QTest::newRow("a name that is not UTF-8")
            << QStringList{"{latin1}.iro"} << "caf\uFFFD.iro* /"
            << "summer.iro"
            << "" << none;
        QTest::newRow("a name with a mark that reorders text")
            << QStringList{"\u202Etxt.iro"} << "/"
            << ""
            << ""
            << QStringList{"ファイルを開けませんでした。ファイルが見つかりません。\n\n"
                           "{dir}/\uFFFDtxt.iro"};
        QTest::newRow("missing") << QStringList{"gone.scb", "summer.iro"} << "summer.iro* /"
                                 << "summer.iro"
                                 << ""
                                 << QStringList{
                                        "ファイルを開けませんでした。ファイルが見つかりません。\n\n"
                                        "{dir}/gone.scb"};
        QTest::newRow("another extension")
            << QStringList{"notes.txt", "NIGHT.IRO"} << "NIGHT.IRO* /"
            << "NIGHT.IRO"
            << ""
            << QStringList{"色設定ファイル（.iro、.scb）でもパレットのファイル（.css、.scss、"
                           ".tokens.json、.gpl）でもないので、開けません。\n\n{dir}/notes.txt"};
        // Twenty listed, the limit told once, the other kind still opened.
        QStringList many;
        QString twenty;
        for (int k = 1; k <= 22; ++k)
            many.append(QStringLiteral("%1.iro").arg(k));
        for (int k = 1; k <= 20; ++k)
            twenty += QStringLiteral("%1.iro%2 ").arg(k).arg(k == 20 ? "*" : "");
        QTest::newRow("twenty-two page files")
            << (many + QStringList{"face.scb"}) << twenty + "/ face.scb*"
            << "NIGHT.IRO"
            << "face.scb"
            << QStringList{"現在20個のファイルを開いています。\r\n"
                           "これ以上開けないので、現在開いているファイルを開放してください。"};
    }

    void givenFilesOpenAsFromTheOpenDialog()
    {
        QFETCH(QStringList, given);
        QFETCH(QString, listed);
        QFETCH(QString, pageColors);
        QFETCH(QString, scrollbarColors);
        QFETCH(QStringList, messages);

        MainWindowFixture f;
        const QString dir = f.fakes.programDirectory.folder.path();
        const QByteArray checks = "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
        for (const QString &name : records.keys())
            QVERIFY(test::putFile(dir + '/' + name, "about#" + records[name].toLatin1() + "\r\n" +
                                                        (name.endsWith("scb") ? checks : "")));
        QVERIFY(test::putFile(dir + "/broken.iro", "#cccccc\r\n"));
        QVERIFY(QDir(dir).mkdir("folder.iro"));
        QVERIFY(test::putFifo(dir + "/pipe.scb"));
        QVERIFY(test::putFile(dir + "/big.iro", QByteArray(64 * 1024 + 1, '#')));
        const QByteArray latin1Name = QFile::encodeName(dir) + "/caf\xE9.iro";
        std::FILE *latin1 = std::fopen(latin1Name.constData(), "wb");
        QVERIFY(latin1 != nullptr);
        const QByteArray summer = "#" + records["summer.iro"].toLatin1() + "\r\n";
        QVERIFY(std::fwrite(summer.constData(), 1, size_t(summer.size()), latin1) ==
                size_t(summer.size()));
        QVERIFY(std::fclose(latin1) == 0);
        // As main reads the name from its arguments.
        given.replaceInStrings("{latin1}", pathFromNative("caf\xE9"));
        QVERIFY(test::putFile(dir + "/notes.txt", "#" + records["summer.iro"].toLatin1()));
        for (int k = 1; k <= 22; ++k)
            QVERIFY(test::putFile(dir + QStringLiteral("/%1.iro").arg(k),
                                  "#" + records["NIGHT.IRO"].toLatin1() + "\r\n"));
        const QString pageAtStart = f.workbench->pageEditor.PageColorData();
        const QString scrollbarAtStart = f.workbench->scrollbarEditor.ScrColorData();
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir));

        f.workbench->intake.openFiles(given);
        QVERIFY(QDir::setCurrent(before));

        QCOMPARE(::listed(f), listed.trimmed());
        // Listed by their whole path, whatever way they were named.
        for (const ColorFileList *list :
             {&f.workbench->pageFiles.list(), &f.workbench->scrollbarFiles.list()})
            for (int row = 0; row < list->fileCount(); ++row)
                QCOMPARE(list->toolTip(row, 0), dir);
        QCOMPARE(f.workbench->pageEditor.PageColorData(), records.value(pageColors, pageAtStart));
        QCOMPARE(f.workbench->scrollbarEditor.ScrColorData(),
                 records.value(scrollbarColors, scrollbarAtStart));
        QStringList shown;
        for (const test::ShownMessage &message : std::as_const(f.fakes.messageBox.shown))
            shown.append(message.text);
        QCOMPARE(shown, messages.replaceInStrings("{dir}", dir));
    }
};

TINTMILL_TEST_MAIN(TestGivenFiles)
#include "tst_givenfiles.moc"
