#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QDockWidget>
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
    // F1 and Ctrl+Q from the main window, a pane and the manual, Esc on the
    // manual docked and floating.
    void usualKeysDoWhatTheySay_data()
    {
        QTest::addColumn<QString>("window"); // where the key goes (" floating": made to float)
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("helpShown"); // when the program goes on
        QTest::addColumn<int>("exits");

        const QKeySequence f1(Qt::Key_F1);
        const QKeySequence quit(Qt::CTRL | Qt::Key_Q);
        QTest::newRow("F1 on the main window") << "frmColor" << f1 << true << 0;
        QTest::newRow("F1 on a pane") << "frmCheck" << f1 << true << 0;
        QTest::newRow("F1 on the manual floating") << "frmHelp floating" << f1 << true << 0;
        QTest::newRow("Esc on the manual docked")
            << "frmHelp" << QKeySequence(Qt::Key_Escape) << true << 0;
        QTest::newRow("Esc on the manual floating")
            << "frmHelp floating" << QKeySequence(Qt::Key_Escape) << false << 0;
        QTest::newRow("Ctrl+Q on the main window") << "frmColor" << quit << false << 1;
        QTest::newRow("Ctrl+Q on a pane") << "frmCheck" << quit << false << 1;
        QTest::newRow("Ctrl+Q on the manual floating") << "frmHelp floating" << quit << false << 1;
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
        if (window.startsWith(QLatin1String("frmHelp")))
            f.find<QAction>("mnuManual")->trigger();
        QWidget *target = window == QLatin1String("frmColor")
                              ? f.window.get()
                              : f.find<QWidget>(window.section(u' ', 0, 0));
        if (window.endsWith(QLatin1String(" floating"))) {
            qobject_cast<QDockWidget *>(target)->setFloating(true);
            target->activateWindow();
            QTRY_COMPARE(QGuiApplication::focusWindow(), target->windowHandle());
        }
        QVERIFY(QTest::qWaitForWindowActive(target));

        // Where the focus is, as a user's key.
        QTest::keySequence(QApplication::focusWidget(), keys);

        // Quitting closes the main window as its close box does, which keeps
        // the view options.
        QCOMPARE(f.exitRequests, exits);
        QCOMPARE(f.window->isVisible(), exits == 0);
        QCOMPARE(QFile::exists(f.fakes.programDirectory.folder.filePath("Tintmill.ini")),
                 exits == 1);
        if (exits > 0)
            return;
        auto *help = f.find<QDockWidget>("frmHelp");
        QCOMPARE(help != nullptr && help->isVisible(), helpShown);
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
