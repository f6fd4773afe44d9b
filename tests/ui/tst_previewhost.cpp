#include "core/product.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "support/fakes.h"
#include "support/testmain.h"
#include "ui/previewhost.h"
#include "ui/twips.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace tintmill;

namespace {

constexpr int barThickness = 16;
// Loading and painting in the engine's own processes can take a while on a
// busy machine; the checks wait for the result rather than for a time.
constexpr int paintTimeout = 20000;

const QColor red(0xFF, 0x00, 0x00);
const QColor blue(0x00, 0x00, 0xFF);
const QColor green(0x00, 0xFF, 0x00);

// The real browser view over a temporary program folder, sized as in the
// main window, with an editor writing its preview page.
struct LivePreview
{
    LivePreview()
    {
        host.setExternalOpener([this](const QUrl &url) { opened.append(url); });
        host.resize(twips::rect(0, 0, 4455, 5895).size());
        host.show();
        host.createView();
        editor.setPreviewRefreshEnabled(true);
    }

    QImage shot() const { return host.view()->grab().toImage(); }

    QColor at(const QPoint &point) const { return QColor(shot().pixel(point)); }

    // Points on the page's vertical scrollbar, at the right edge of the view.
    QPoint thumb() const { return {host.width() - barThickness / 2, barThickness + 24}; }
    QPoint track() const
    {
        return {host.width() - barThickness / 2, host.height() - barThickness - 12};
    }

    // Whether some pixel of the top arrow button has `color`.
    bool arrowButtonShows(const QColor &color) const
    {
        const QImage image = shot();
        for (int y = 0; y < barThickness; ++y) {
            for (int x = image.width() - barThickness; x < image.width(); ++x) {
                if (QColor(image.pixel(x, y)) == color)
                    return true;
            }
        }
        return false;
    }

    test::FakeProgramDirectory directory;
    PreviewHost host;
    ScrollbarColorEditor editor{host, directory};
    QList<QUrl> opened;
};

QStringList storedSet(const QStringList &colors, const QStringList &flags)
{
    return QStringList{QStringLiteral("test")} + colors + flags;
}

} // namespace

class TestPreviewHost : public QObject
{
    Q_OBJECT

private slots:
    void scrollbarShowsTheChosenColoursAndTheEnginesWhenOff()
    {
        LivePreview p;
        // Face red, track blue, arrow green: the three parts distinct.
        p.editor.ApplyFileScrColors(storedSet(
            {"CCCCCC", "0000FF", "FF0000", "00FF00", "CCCCCC", "000000", "FFFFFF", "999999"},
            {"0", "1", "1", "1", "0", "0", "0", "0"}));
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

    void linksOpenOutsideAndTheViewStaysOnThePreview()
    {
        LivePreview p;
        p.editor.WritePreviewPage();
        const QUrl preview = QUrl::fromLocalFile(p.editor.previewPagePath());
        QSignalSpy loaded(p.host.view(), &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), paintTimeout);

        // Nothing leads the view away from the preview: not a load from code,
        // not a script on the page.
        p.host.view()->load(QUrl(QStringLiteral("https://example.org/typed")));
        p.host.view()->page()->runJavaScript(
            QStringLiteral("location.href='file:///etc/hostname';"));
        QTest::qWait(300);
        QCOMPARE(p.host.view()->url(), preview);
        QVERIFY(p.opened.isEmpty());

        // The user's click on the support link opens it in the desktop's browser.
        QString rectJson;
        p.host.view()->page()->runJavaScript(
            QStringLiteral("JSON.stringify(document.querySelector('a').getBoundingClientRect())"),
            [&rectJson](const QVariant &result) { rectJson = result.toString(); });
        QTRY_VERIFY_WITH_TIMEOUT(!rectJson.isEmpty(), paintTimeout);
        const QJsonObject rect = QJsonDocument::fromJson(rectJson.toUtf8()).object();
        const QPoint link(static_cast<int>(rect["x"].toDouble() + rect["width"].toDouble() / 2),
                          static_cast<int>(rect["y"].toDouble() + rect["height"].toDouble() / 2));
        QVERIFY2(link.y() > 0, "the link is in sight");
        QWidget *surface = p.host.view()->focusProxy();
        QTest::mouseClick(surface, Qt::LeftButton, {}, link);
        QTRY_COMPARE_WITH_TIMEOUT(p.opened.size(), 1, paintTimeout);
        QCOMPARE(p.opened.at(0), QUrl(QString::fromUtf8(product::supportSiteAddress)));
        QTest::qWait(300);
        QCOMPARE(p.host.view()->url(), preview);
    }
};

TINTMILL_TEST_MAIN(TestPreviewHost)
#include "tst_previewhost.moc"
