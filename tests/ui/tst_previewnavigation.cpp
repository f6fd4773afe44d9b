#include "core/product.h"
#include "support/livepreview.h"
#include "support/testmain.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>

using namespace tintmill;
using test::LivePreview;
using test::paintTimeout;

// Drives the module's view through the engine's own interface; this test
// links the engine for that, the program and the other tests do not.
namespace {

QWebEngineView *engineView(const LivePreview &p)
{
    return qobject_cast<QWebEngineView *>(p.host.view());
}

} // namespace

class TestPreviewNavigation : public QObject
{
    Q_OBJECT

private slots:
    void linksOpenOutsideAndTheViewStaysOnThePreview()
    {
        LivePreview p;
        QWebEngineView *view = engineView(p);
        QVERIFY(view);
        p.editor.WritePreviewPage();
        const QUrl preview = QUrl::fromLocalFile(p.editor.previewPagePath());
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), paintTimeout);

        // Nothing leads the view away from the preview: not a load from code,
        // not a script on the page.
        view->load(QUrl(QStringLiteral("https://example.org/typed")));
        view->page()->runJavaScript(QStringLiteral("location.href='file:///etc/hostname';"));
        QTest::qWait(300);
        QCOMPARE(view->url(), preview);
        QVERIFY(p.opened.isEmpty());

        // The user's click on the support link opens it in the desktop's browser.
        QString rectJson;
        view->page()->runJavaScript(
            QStringLiteral("JSON.stringify(document.querySelector('a').getBoundingClientRect())"),
            [&rectJson](const QVariant &result) { rectJson = result.toString(); });
        QTRY_VERIFY_WITH_TIMEOUT(!rectJson.isEmpty(), paintTimeout);
        const QJsonObject rect = QJsonDocument::fromJson(rectJson.toUtf8()).object();
        const QPoint link(static_cast<int>(rect["x"].toDouble() + rect["width"].toDouble() / 2),
                          static_cast<int>(rect["y"].toDouble() + rect["height"].toDouble() / 2));
        QVERIFY2(link.y() > 0, "the link is in sight");
        QWidget *surface = view->focusProxy();
        QTest::mouseClick(surface, Qt::LeftButton, {}, link);
        QTRY_COMPARE_WITH_TIMEOUT(p.opened.size(), 1, paintTimeout);
        QCOMPARE(p.opened.at(0), QUrl(QString::fromUtf8(product::supportSiteAddress)));
        QTest::qWait(300);
        QCOMPARE(view->url(), preview);
    }

    void aStoppedEngineSaysSoUntilTheNextColour()
    {
        LivePreview p;
        QWebEngineView *view = engineView(p);
        QVERIFY(view);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        p.editor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), paintTimeout);
        const qint64 pageProcess = view->page()->renderProcessPid();
        QVERIFY(pageProcess > 0);

        ::kill(static_cast<pid_t>(pageProcess), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(p.host.state(), PreviewHost::State::EngineStopped, paintTimeout);
        const auto *notice = p.host.findChild<QLabel *>(QStringLiteral("lblPreviewNotice"));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("ブラウザエンジンが止まりました。\n"
                                                "色を変えると、もう一度表示します。"));

        p.editor.setSelectedRole(ScrRole::ScrFace);
        p.editor.ScrColorChange(5);
        QTRY_COMPARE_WITH_TIMEOUT(p.host.state(), PreviewHost::State::Showing, paintTimeout);
        QVERIFY(!notice->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(p.at(p.thumb()), QColor(0x00, 0x00, 0xFF), paintTimeout);
    }
};

TINTMILL_TEST_MAIN(TestPreviewNavigation)
#include "tst_previewnavigation.moc"
