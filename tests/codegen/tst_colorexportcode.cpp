#include "codegen/colorexportcode.h"
#include "editor/pagecoloreditor.h"
#include "editor/pageschemes.h"
#include "editor/viewoptions.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "support/diskentries.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QFile>

using namespace tintmill;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class TestColorExportCode : public QObject
{
    Q_OBJECT

private slots:
    void savingAddsTheExtensionAndWritesWholeOrNothing_data()
    {
        QTest::addColumn<QString>("typed");     // in the save dialog; empty cancels
        QTest::addColumn<QByteArray>("before"); // colors.css before; "(none)" when absent
        QTest::addColumn<bool>("answer");       // to "overwrite?" when asked
        QTest::addColumn<QString>("file");      // where the text should be, if anywhere
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("reported");

        const QByteArray none("(none)");
        QTest::addRow("no extension typed: the format's added")
            << "colors" << none << false << "colors.css" << 0 << false;
        QTest::addRow("an extension typed is kept")
            << "colors.txt" << none << false << "colors.txt" << 0 << false;
        QTest::addRow("the added name is taken: asked, and kept on No")
            << "colors" << QByteArray("old") << false << QString() << 1 << false;
        QTest::addRow("the added name is taken: replaced on Yes")
            << "colors" << QByteArray("old") << true << "colors.css" << 1 << false;
        QTest::addRow("a folder that is not there: reported")
            << "missing/colors.css" << none << false << QString() << 0 << true;
        QTest::addRow("cancelled") << "" << none << false << QString() << 0 << false;
    }

    void savingAddsTheExtensionAndWritesWholeOrNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, before);
        QFETCH(bool, answer);
        QFETCH(QString, file);
        QFETCH(int, questions);
        QFETCH(bool, reported);

        test::FakeServices fakes;
        const Services services = fakes.services();
        PageColorEditor page;
        page.setStartupCaptions();
        ScrollbarColorEditor scrollbar{fakes.previewBrowser, fakes.programDirectory};
        ViewOptions viewOptions;
        PageSchemes schemes{page, viewOptions};
        ColorExportCode code{schemes, scrollbar, services};
        QTemporaryDir folder;
        if (before != "(none)")
            QVERIFY(test::putFile(folder.filePath("colors.css"), before));
        fakes.fileDialog.paths.push_back(typed.isEmpty() ? QString() : folder.filePath(typed));
        fakes.messageBox.answers.push_back(answer);

        QCOMPARE(code.save(), !file.isEmpty());
        QCOMPARE(fakes.messageBox.questions.size(), questions);
        QCOMPARE(fakes.messageBox.shown.size(), reported ? 1 : 0);
        if (!file.isEmpty())
            QCOMPARE(contentOf(folder.filePath(file)), code.text().toUtf8());
        else if (before != "(none)")
            QCOMPARE(contentOf(folder.filePath("colors.css")), before);
        QStringList left = QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        if (!file.isEmpty())
            left.removeOne(file);
        if (before != "(none)")
            left.removeOne(QStringLiteral("colors.css"));
        QCOMPARE(left, QStringList());
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestColorExportCode)
#include "tst_colorexportcode.moc"
