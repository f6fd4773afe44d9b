#include "codegen/exportformats.h"
#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

using namespace tintmill;
using test::MainWindowFixture;

// Every export format can be reached from the window and from the command
// line alike, under its own label, name and suffix: a format added to the
// list without one of them fails here.
class TestExportFormats : public QObject
{
    Q_OBJECT

private slots:
    void everyFormatIsReachableEverywhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("css") << "css"
                             << "CSS（カスタムプロパティ）"
                             << "css"
                             << ":root {";
        QTest::newRow("scss") << "scss"
                              << "SCSS（変数）"
                              << "scss"
                              << "$page-background: #FFFFFF;";
        QTest::newRow("tokens") << "tokens"
                                << "デザイントークン（JSON）"
                                << "tokens.json"
                                << "{";
        QTest::newRow("gpl") << "gpl"
                             << "パレット（GIMP .gpl）"
                             << "gpl"
                             << "GIMP Palette";
        // One row per format: a new one needs its own.
        QCOMPARE(exportFormats().size(), std::size_t{4});
    }
    void everyFormatIsReachableEverywhere()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(QString, suffix);
        QFETCH(QString, firstLine);

        // In the window: chosen by its label, saved under its suffix.
        MainWindowFixture f;
        f.find<QAction>(QStringLiteral("mnuExport"))->trigger();
        auto *formats = f.find<QComboBox>(QStringLiteral("cboExportFormat"));
        const int index = formats->findText(label);
        QVERIFY2(index >= 0, qPrintable(label));
        formats->setCurrentIndex(index);
        const QString shown = f.find<QPlainTextEdit>(QStringLiteral("txtExport"))->toPlainText();
        QCOMPARE(shown.section(u'\n', 0, 0), firstLine);
        const QString folder = f.fakes.programDirectory.folder.path();
        f.fakes.fileDialog.paths.push_back(folder + QStringLiteral("/colours"));
        f.find<QPushButton>(QStringLiteral("cmdExportSave"))->click();
        QCOMPARE(test::entryAt(folder + QStringLiteral("/colours.") + suffix),
                 QStringLiteral("file:") + QString::fromLatin1(shown.toUtf8()));

        // On the command line: by its name, the same text for the same colours.
        QVERIFY(test::putFile(folder + QStringLiteral("/start.iro"),
                              "#FFFFFF000000FF00000000000000000000000000FF000000\r\n"));
        QProcess tintmill;
        tintmill.setWorkingDirectory(folder);
        tintmill.start(QStringLiteral(TINTMILL_EXECUTABLE),
                       {QStringLiteral("--export"), name, QStringLiteral("start.iro")});
        QVERIFY(tintmill.waitForFinished(30000));
        QCOMPARE(tintmill.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(tintmill.readAllStandardOutput()), shown);
    }
};

TINTMILL_TEST_MAIN(TestExportFormats)
#include "tst_exportformats.moc"
