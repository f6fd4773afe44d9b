#include "support/livepreview.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/desktop/browsermoduleloader.h"

#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace tintmill;
using test::LivePreview;
using test::paintTimeout;

// This test does not link the browser engine: every view here comes from the
// browser module, loaded late as in the program, so the rendering checks
// also hold the engine's late, software-only set-up to account. It runs
// twice: headless, and on an X server with OpenGL (tst_previewhost_x11).

namespace {

const QColor red(0xFF, 0x00, 0x00);
const QColor blue(0x00, 0x00, 0xFF);
const QColor green(0x00, 0xFF, 0x00);

// Face red, track blue, arrow green: the three parts tell apart on screen.
const std::array<QString, scrollbarRoleCount> distinctPartColors{
    "#CCCCCC", "#0000FF", "#FF0000", "#00FF00", "#CCCCCC", "#000000", "#FFFFFF", "#999999"};

StoredScrollbarSet storedSet(const std::array<QString, scrollbarRoleCount> &colors,
                             const std::array<bool, scrollbarRoleCount> &flags)
{
    return {QStringLiteral("test"), colors, flags};
}

QString notice(const QWidget &host)
{
    const auto *label = host.findChild<QLabel *>(QStringLiteral("lblPreviewNotice"));
    return label->isVisible() ? label->text() : QString();
}

} // namespace

class TestPreviewHost : public QObject
{
    Q_OBJECT

private slots:
    void scrollbarShowsTheChosenColoursAndTheEnginesWhenOff()
    {
        LivePreview p;
        p.editor.ApplyFileScrColors(
            storedSet(distinctPartColors, {false, true, true, true, false, false, false, false}));
        QTRY_COMPARE_WITH_TIMEOUT(p.at(p.thumb()), red, paintTimeout);
        QCOMPARE(p.at(p.track()), blue);
        QVERIFY(p.arrowButtonShows(green));

        // Face off: the thumb goes back to the engine's own grey.
        p.editor.enabledToggle(ScrRole::ScrFace).setChecked(false);
        QTRY_COMPARE_WITH_TIMEOUT(p.at(p.thumb()), QColor(0xC0, 0xC0, 0xC0), paintTimeout);
        QCOMPARE(p.at(p.track()), blue);

        // Arrow off: the engine's dark grey arrow, no green left in the button.
        p.editor.enabledToggle(ScrRole::ScrArrow).setChecked(false);
        QTRY_VERIFY_WITH_TIMEOUT(!p.arrowButtonShows(green), paintTimeout);
        QVERIFY(p.arrowButtonShows(QColor(0x50, 0x50, 0x50)));

        // A base colour fills the parts left unset.
        p.editor.enabledToggle(ScrRole::ScrBase).setChecked(true);
        QTRY_COMPARE_WITH_TIMEOUT(p.at(p.thumb()), QColor(0xCC, 0xCC, 0xCC), paintTimeout);
        QCOMPARE(p.at(p.track()), blue);
    }

    // Where the display offers OpenGL, the engine still draws in software:
    // showing the preview loads no GL driver.
    void thePreviewLoadsNoGraphicsDriver()
    {
        LivePreview p;
        p.editor.ApplyFileScrColors(
            storedSet(distinctPartColors, {false, true, true, false, false, false, false, false}));
        QTRY_COMPARE_WITH_TIMEOUT(p.at(p.thumb()), red, paintTimeout);

        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        for (const char *driver :
             {"_dri.so", "libGLX_mesa", "libEGL_mesa", "libLLVM", "libgallium"})
            QVERIFY2(!mapped.contains(driver), driver);
    }

    void everyColourChangeReachesTheView()
    {
        LivePreview p;
        p.editor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        p.editor.setSelectedRole(ScrRole::ScrFace);
        // Quick changes in a row: the last one is what stays on show.
        for (const int button : {180, 30, 5, 215, 36})
            p.editor.ScrColorChange(button);
        QTRY_COMPARE_WITH_TIMEOUT(p.at(p.thumb()), QColor(0x33, 0x00, 0x00), paintTimeout);
    }

    void aPageAskedForBeforeTheViewIsShownOnceItExists()
    {
        test::FakeProgramDirectory directory;
        PreviewHost host;
        ScrollbarColorEditor editor{host, directory};
        host.resize(twips::rect(0, 0, 4455, 5895).size());
        editor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        editor.setSelectedRole(ScrRole::ScrFace);
        editor.ScrColorChange(5); // #0000FF, asked for while nothing is loaded
        QVERIFY(!host.view());

        host.show();
        QCOMPARE(host.state(), PreviewHost::State::Loading);
        QCOMPARE(notice(host), QStringLiteral("プレビューを準備しています…"));
        QTRY_COMPARE_WITH_TIMEOUT(host.state(), PreviewHost::State::Showing, paintTimeout);
        QCOMPARE(notice(host), QString());
        const QPoint thumb(host.width() - test::barThickness / 2, test::barThickness + 24);
        QTRY_COMPARE_WITH_TIMEOUT(QColor(host.view()->grab().toImage().pixel(thumb)), blue,
                                  paintTimeout);
    }

    // Hidden, the notice still has the whole place, so that it shows there
    // at once rather than in a corner for a frame.
    void aHiddenNoticeKeepsItsPlace()
    {
        PreviewHost host;
        host.resize(twips::rect(0, 0, 4455, 5895).size());
        host.layout()->activate();
        const auto *label = host.findChild<QLabel *>(QStringLiteral("lblPreviewNotice"));
        QVERIFY(label->isHidden());
        QCOMPARE(label->geometry(), QRect(0, 0, 297, 393));
    }

    void anUnavailableEngineIsNamedInItsPlace_data()
    {
        QTest::addColumn<QString>("folders");
        QTest::addColumn<QByteArray>("helperProgram");
        QTest::addColumn<PreviewHost::State>("state");
        QTest::addColumn<QString>("notice");

        const QString moduleMissing = QStringLiteral("プレビューを表示できません。\n"
                                                     "ブラウザ部品を読み込めませんでした。\n"
                                                     "ほかの機能はそのまま使えます。");
        QTest::addRow("no module anywhere")
            << "empty" << QByteArray() << PreviewHost::State::Unavailable << moduleMissing;
        QTest::addRow("a file that is no module")
            << "broken" << QByteArray() << PreviewHost::State::Unavailable << moduleMissing;
        QTest::addRow("a broken copy before a good one")
            << "broken,usual" << QByteArray() << PreviewHost::State::Showing << QString();
        QTest::addRow("the engine's helper program missing")
            << "usual" << QByteArray("/nonexistent/QtWebEngineProcess")
            << PreviewHost::State::Unavailable
            << QStringLiteral("プレビューを表示できません。\n"
                              "ブラウザエンジンを起動できませんでした。\n"
                              "ほかの機能はそのまま使えます。");
    }

    void anUnavailableEngineIsNamedInItsPlace()
    {
        QFETCH(QString, folders);
        QFETCH(QByteArray, helperProgram);
        QFETCH(PreviewHost::State, state);
        QFETCH(QString, notice);

        QTemporaryDir empty;
        QTemporaryDir broken;
        QFile garbage(broken.filePath(QStringLiteral("tintmill-browser.so")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a library");
        garbage.close();
        QStringList searched;
        for (const QString &folder : folders.split(u',')) {
            if (folder == QStringLiteral("empty"))
                searched.append(empty.path());
            else if (folder == QStringLiteral("broken"))
                searched.append(broken.path());
            else
                searched.append(defaultBrowserModuleFolders());
        }
        const QByteArray savedHelper = qgetenv("QTWEBENGINEPROCESS_PATH");
        if (!helperProgram.isEmpty())
            qputenv("QTWEBENGINEPROCESS_PATH", helperProgram);

        PreviewHost host;
        host.setModuleFolders(searched);
        host.resize(twips::rect(0, 0, 4455, 5895).size());
        host.show();
        host.createView();
        if (savedHelper.isEmpty())
            qunsetenv("QTWEBENGINEPROCESS_PATH");
        else
            qputenv("QTWEBENGINEPROCESS_PATH", savedHelper);

        QCOMPARE(host.state(), state);
        QCOMPARE(::notice(host), notice);
        QCOMPARE(host.view() != nullptr, state == PreviewHost::State::Showing);
        // Pages asked for later are taken without complaint, and a second
        // attempt does not try again.
        host.navigate(QUrl::fromLocalFile(empty.filePath(QStringLiteral("tmp.htm"))));
        host.createView();
        QCOMPARE(host.state(), state);
    }

    // The engine is loaded when the scrollbar editor is first shown, however
    // it is reached, and not for anything else.
    void theScrollbarEditorStartsLoadingTheEngine_data()
    {
        QTest::addColumn<int>("mainPage");
        QTest::addColumn<int>("editorPage");
        QTest::addColumn<bool>("loads");

        QTest::addRow("colour buttons") << 0 << 0 << false;
        QTest::addRow("save and load") << 1 << 0 << false;
        QTest::addRow("HTML code") << 2 << 0 << false;
        QTest::addRow("CSS code") << 3 << 0 << false;
        QTest::addRow("scrollbar code") << 4 << -1 << true;
        QTest::addRow("scrollbar editor") << 0 << 1 << true;
    }

    void theScrollbarEditorStartsLoadingTheEngine()
    {
        QFETCH(int, mainPage);
        QFETCH(int, editorPage);
        QFETCH(bool, loads);

        // No module to find: the attempt shows, and the window carries on.
        QTemporaryDir nowhere;
        auto *host = new PreviewHost;
        host->setModuleFolders({nowhere.path()});
        test::MainWindowFixture w(host);
        w.window->mainTabs().setCurrentIndex(mainPage);
        if (editorPage >= 0)
            w.window->editorTabs().setCurrentIndex(editorPage);
        if (!loads) {
            QTest::qWait(100);
            QCOMPARE(host->state(), PreviewHost::State::NotLoaded);
            QVERIFY(!host->isVisible());
            return;
        }
        QCOMPARE(host->state(), PreviewHost::State::Loading);
        QTRY_COMPARE(host->state(), PreviewHost::State::Unavailable);
        QVERIFY(host->isVisible());

        // The colour buttons keep working on the scrollbar colours.
        w.find<QRadioButton>(QStringLiteral("optScr_2"))->click();
        QTest::mouseClick(w.find<QWidget>(QStringLiteral("CmdColor_5")), Qt::LeftButton);
        QCOMPARE(w.find<QLabel>(QStringLiteral("lblScr_2"))->text(), QStringLiteral("#0000FF"));
    }
};

TINTMILL_TEST_MAIN(TestPreviewHost)
#include "tst_previewhost.moc"
