#include "editor/settingsfile.h"
#include "editor/viewoptions.h"
#include "support/fakes.h"
#include "support/testmain.h"

#include <QFile>

using namespace tintmill;
using Block = ViewOptions::Block;
using Item = ViewOptions::Item;

namespace {

// The eighteen check marks as one letter each, T or F, in settings file order,
// grouped by block for reading.
QString marksOf(const ViewOptions &options)
{
    QString marks;
    const auto checks = options.checkMarks();
    for (int n = 0; n < ViewOptions::checkCount; ++n) {
        if (n > 0 && n % ViewOptions::itemCount == 0)
            marks += u' ';
        marks += checks.at(n) ? u'T' : u'F';
    }
    return marks;
}

const QString allShown = QStringLiteral("TTTTTT TTTTTT TTTTTT");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestViewOptions : public QObject
{
    Q_OBJECT

private slots:
    void menuOperations_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // item numbers 0..17 in file order
        QTest::addColumn<QString>("marks");
        QTest::newRow("design state") << QList<int>{} << allShown;
        QTest::newRow("text of large block") << QList<int>{1} << "FFTTTT TTTTTT TTTTTT";
        QTest::newRow("label item back on") << QList<int>{1, 1} << allShown;
        QTest::newRow("all of a fully shown block hides it")
            << QList<int>{6} << "TTTTTT FFFFFF TTTTTT";
        QTest::newRow("all twice shows it again") << QList<int>{6, 6} << allShown;
        QTest::newRow("all with two hidden shows all") << QList<int>{14, 17, 12} << allShown;
        QTest::newRow("last label back checks all")
            << QList<int>{17, 5, 17} << "FTTTTF TTTTTT TTTTTT";
    }

    void menuOperations()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, marks);
        ViewOptions options;
        for (const int n : clicks) {
            const auto block = static_cast<Block>(n / ViewOptions::itemCount);
            const auto item = static_cast<Item>(n % ViewOptions::itemCount);
            if (item == ViewOptions::All)
                options.clickAllItem(block);
            else
                options.clickLabelItem(block, item);
        }
        QCOMPARE(marksOf(options), marks);
        // A sample line is shown exactly while its item is checked.
        for (int b = 0; b < ViewOptions::blockCount; ++b)
            for (int line = 0; line < 5; ++line)
                QCOMPARE(
                    options.isLineShown(static_cast<Block>(b), line),
                    options.item(static_cast<Block>(b), static_cast<Item>(line + 1)).isChecked());
    }

    void writesEighteenLinesInMenuOrder()
    {
        ViewOptions options;
        QCOMPARE(settingsText(options.checkMarks()), QStringLiteral("True\r\n").repeated(18));
        options.clickLabelItem(ViewOptions::LargeBlock, ViewOptions::Text);
        options.clickLabelItem(ViewOptions::SmallBlock, ViewOptions::ActiveLink);
        QCOMPARE(settingsText(options.checkMarks()),
                 QStringLiteral("False\r\nFalse\r\n") + QStringLiteral("True\r\n").repeated(10) +
                     QStringLiteral("False\r\n") + QStringLiteral("True\r\n").repeated(4) +
                     QStringLiteral("False\r\n"));
    }

    void readsOnlyAnExactFalse_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("marks");
        const QStringList allTrue(18, QStringLiteral("True"));
        QStringList textHidden = allTrue;
        textHidden[1] = QStringLiteral("False");
        QTest::newRow("all True") << allTrue << allShown;
        QTest::newRow("empty file") << QStringList{} << allShown;
        QTest::newRow("label line unchecks its All too") << textHidden << "FFTTTT TTTTTT TTTTTT";
        QTest::newRow("short file: first six False")
            << QStringList(6, QStringLiteral("False")) << "FFFFFF TTTTTT TTTTTT";
        QTest::newRow("short file: third line False")
            << QStringList{"True", "True", "False"} << "FTFTTT TTTTTT TTTTTT";
        QTest::newRow("lower case") << QStringList{"True", "false"} << allShown;
        QTest::newRow("trailing blank") << QStringList{"True", "False "} << allShown;
        QTest::newRow("leading blank") << QStringList{"True", " False"} << allShown;
        QTest::newRow("empty and odd lines")
            << QStringList{"", "0", "FALSE", "no", "Falsch", ""} << allShown;
        QTest::newRow("hand-edited All line keeps its labels")
            << QStringList{"True", "True", "True", "True", "True", "True", "False"}
            << "TTTTTT FTTTTT TTTTTT";
        QStringList longer = allTrue;
        longer << QStringLiteral("False") << QStringLiteral("False");
        QTest::newRow("lines past the eighteenth") << longer << allShown;
        QStringList lastOnly = allTrue;
        lastOnly[17] = QStringLiteral("False");
        QTest::newRow("last line") << lastOnly << "TTTTTT TTTTTT FTTTTF";
    }

    void readsOnlyAnExactFalse()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, marks);
        ViewOptions options;
        applySettingsLines(lines, options);
        QCOMPARE(marksOf(options), marks);
    }

    void handEditedAllItemShowsAndChecksEverythingOnNextClick()
    {
        ViewOptions options;
        applySettingsLines({"False"}, options);
        QVERIFY(!options.item(ViewOptions::LargeBlock, ViewOptions::All).isChecked());
        QVERIFY(options.isLineShown(ViewOptions::LargeBlock, 0));
        options.clickAllItem(ViewOptions::LargeBlock);
        QCOMPARE(marksOf(options), allShown);
    }

    void roundTripThroughTheFile()
    {
        test::FakeServices fakes;
        ViewOptions written;
        written.clickAllItem(ViewOptions::MediumBlock);
        written.clickLabelItem(ViewOptions::SmallBlock, ViewOptions::HoverLink);
        SettingsFile(written, fakes.programDirectory, fakes.messageBox).write();

        const QString path = fakes.programDirectory.folder.filePath("Tintmill.ini");
        QCOMPARE(fileBytes(path),
                 QByteArray("True\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n"
                            "False\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n"
                            "False\r\nTrue\r\nTrue\r\nTrue\r\nFalse\r\nTrue\r\n"));
        ViewOptions read;
        SettingsFile(read, fakes.programDirectory, fakes.messageBox).read();
        QCOMPARE(marksOf(read), marksOf(written));
        QVERIFY(fakes.messageBox.shown.isEmpty());
    }

    void missingFileKeepsTheDesignState()
    {
        test::FakeServices fakes;
        ViewOptions options;
        SettingsFile(options, fakes.programDirectory, fakes.messageBox).read();
        QCOMPARE(marksOf(options), allShown);
        QVERIFY(fakes.messageBox.shown.isEmpty());
    }

    void unwritableFolderIsReportedOnce()
    {
        test::FakeServices fakes;
        // A plain file where the folder should be: not even root can write there.
        const QString notAFolder = fakes.programDirectory.folder.filePath("plain-file");
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        fakes.programDirectory.dataDirectoryOverride = notAFolder;

        ViewOptions options;
        SettingsFile file(options, fakes.programDirectory, fakes.messageBox);
        file.write();
        file.write();
        QCOMPARE(fakes.messageBox.shown.size(), 1);
        QCOMPARE(fakes.messageBox.shown.at(0).icon, MessageBox::Icon::Exclamation);
        QVERIFY(fakes.messageBox.shown.at(0).text.contains(QStringLiteral("保存できませんでした")));
    }
};

TINTMILL_TEST_MAIN(TestViewOptions)
#include "tst_viewoptions.moc"
