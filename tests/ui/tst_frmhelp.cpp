#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextBrowser>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

QTextDocument *openManual(const MainWindowFixture &f)
{
    f.find<QAction>("mnuManual")->trigger();
    return f.find<QTextBrowser>("txtHelp")->document();
}

} // namespace

class TestFrmHelp : public QObject
{
    Q_OBJECT

private slots:
    // F1 and Ctrl+Q from each window of the program, Esc on the manual.
    void usualKeysDoWhatTheySay_data()
    {
        QTest::addColumn<QString>("window"); // where the key goes
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("helpShown"); // when the program goes on
        QTest::addColumn<int>("exits");

        const QKeySequence f1(Qt::Key_F1);
        const QKeySequence quit(Qt::CTRL | Qt::Key_Q);
        QTest::newRow("F1 on the main window") << "frmColor" << f1 << true << 0;
        QTest::newRow("F1 on a tool window") << "frmCheck" << f1 << true << 0;
        QTest::newRow("F1 on the manual") << "frmHelp" << f1 << true << 0;
        QTest::newRow("Esc on the manual")
            << "frmHelp" << QKeySequence(Qt::Key_Escape) << false << 0;
        QTest::newRow("Ctrl+Q on the main window") << "frmColor" << quit << false << 1;
        QTest::newRow("Ctrl+Q on a tool window") << "frmCheck" << quit << false << 1;
        QTest::newRow("Ctrl+Q on the manual") << "frmHelp" << quit << false << 1;
    }

    void usualKeysDoWhatTheySay()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, helpShown);
        QFETCH(int, exits);
        MainWindowFixture f;
        if (window == QLatin1String("frmCheck"))
            f.find<QAction>("mnuReadability")->trigger();
        if (window == QLatin1String("frmHelp"))
            f.find<QAction>("mnuManual")->trigger();
        QWidget *target =
            window == QLatin1String("frmColor") ? f.window.get() : f.find<QWidget>(window);
        QVERIFY(QTest::qWaitForWindowActive(target));

        QTest::keySequence(target, keys);

        // Quitting closes the main window as its close box does, which keeps
        // the view options.
        QCOMPARE(f.exitRequests, exits);
        QCOMPARE(f.window->isVisible(), exits == 0);
        QCOMPARE(QFile::exists(f.fakes.programDirectory.folder.filePath("Tintmill.ini")),
                 exits == 1);
        if (exits > 0)
            return;
        auto *help = f.find<QDialog>("frmHelp");
        QCOMPARE(help != nullptr && help->isVisible(), helpShown);
        // Beside the main window, never in its way.
        QVERIFY(help == nullptr || !help->isModal());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // What a newcomer must learn first comes first; every link leads to a
    // heading of the manual (the window follows no other); keys show in the
    // program's own fixed-pitch face, which the install script brings.
    void manualReadsAsMeant()
    {
        MainWindowFixture f;
        const QTextDocument *manual = openManual(f);
        QVERIFY(manual->begin().next().text().startsWith(QStringLiteral(
            "色ボタンを押すと、その色は「選択した色を反映するオブジェクト」で選んでいる役割")));
        QStringList anchors;
        QStringList links;
        for (QTextBlock block = manual->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                anchors += format.anchorNames();
                if (!format.anchorHref().isEmpty())
                    links.append(format.anchorHref());
            }
        }
        QVERIFY(links.size() >= 12);
        for (const QString &link : std::as_const(links))
            QVERIFY2(link.startsWith(u'#') && anchors.contains(link.mid(1)), qPrintable(link));
        const QTextCursor key = manual->find(QStringLiteral("Ctrl"));
        QCOMPARE(QFontInfo(key.charFormat().font()).family(),
                 QStringLiteral("Noto Sans Mono CJK JP"));
    }
};

TINTMILL_TEST_MAIN(TestFrmHelp)
#include "tst_frmhelp.moc"
