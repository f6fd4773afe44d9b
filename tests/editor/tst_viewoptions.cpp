#include "editor/settingsfile.h"
#include "editor/viewoptions.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QFile>

using namespace tintmill;

namespace {

// The check marks as T or F in settings file order, a blank between blocks.
QString marksOf(const ViewOptions &options)
{
    QString marks;
    const auto checks = options.checkMarks();
    for (int n = 0; n < ViewOptions::checkCount; ++n)
        marks += QString(n > 0 && n % ViewOptions::itemCount == 0 ? " " : "") +
                 (checks.at(n) ? u'T' : u'F');
    return marks;
}

const QString allShown = QStringLiteral("TTTTTT TTTTTT TTTTTT");

} // namespace

class TestViewOptions : public QObject
{
    Q_OBJECT

private slots:
    void menuOperations_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // item numbers 0..17 in file order
        QTest::addColumn<QString>("marks");
        QTest::newRow("label item") << QList<int>{1} << "FFTTTT TTTTTT TTTTTT";
        QTest::newRow("label item back") << QList<int>{17, 5, 17} << "FTTTTF TTTTTT TTTTTT";
        QTest::newRow("All hides a fully shown block") << QList<int>{6} << "TTTTTT FFFFFF TTTTTT";
        QTest::newRow("All again shows it") << QList<int>{6, 6} << allShown;
        QTest::newRow("All with two hidden shows all") << QList<int>{14, 17, 12} << allShown;
    }

    void menuOperations()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, marks);
        ViewOptions options;
        for (const int n : clicks) {
            const auto block = static_cast<ViewOptions::Block>(n / ViewOptions::itemCount);
            const auto item = static_cast<ViewOptions::Item>(n % ViewOptions::itemCount);
            item == ViewOptions::All ? options.clickAllItem(block)
                                     : options.clickLabelItem(block, item);
        }
        QCOMPARE(marksOf(options), marks);
    }

    void writesEighteenLinesInMenuOrder()
    {
        ViewOptions options;
        QCOMPARE(settingsText(options.checkMarks()), QStringLiteral("True\r\n").repeated(18));
        options.clickLabelItem(ViewOptions::SmallBlock, ViewOptions::ActiveLink);
        QCOMPARE(settingsText(options.checkMarks()),
                 QStringLiteral("True\r\n").repeated(12) + QStringLiteral("False\r\n") +
                     QStringLiteral("True\r\n").repeated(4) + QStringLiteral("False\r\n"));
    }

    void appliesOnlyAnExactFalse_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("marks");
        QStringList longer(18, QStringLiteral("True"));
        longer << QStringLiteral("False");
        QTest::newRow("first six False, file ends")
            << QStringList(6, QStringLiteral("False")) << "FFFFFF TTTTTT TTTTTT";
        QTest::newRow("short file")
            << QStringList{"True", "True", "False"} << "FTFTTT TTTTTT TTTTTT";
        QTest::newRow("near misses")
            << QStringList{"True", "false", "False ", " False", "FALSE", ""} << allShown;
        QTest::newRow("hand-edited All line")
            << QStringList{"True", "True", "True", "True", "True", "True", "False"}
            << "TTTTTT FTTTTT TTTTTT";
        QTest::newRow("past the eighteenth line") << longer << allShown;
    }

    void appliesOnlyAnExactFalse()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, marks);
        ViewOptions options;
        applySettingsLines(lines, options);
        QCOMPARE(marksOf(options), marks);
        // The hand-edited All item is the one mark a line does not follow.
        for (int b = 0; b < ViewOptions::blockCount; ++b)
            for (int line = 0; line < 5; ++line)
                QCOMPARE(options.isLineShown(static_cast<ViewOptions::Block>(b), line),
                         marks.at(b * 7 + line + 1) == u'T');
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
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestViewOptions)
#include "tst_viewoptions.moc"
