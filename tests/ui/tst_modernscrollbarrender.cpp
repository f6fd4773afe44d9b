#include "codegen/modernscrollbarcss.h"
#include "scrollbar/legacyscrollbarstyle.h"
#include "scrollbar/previewpage.h"
#include "support/testmain.h"

#include <QSignalSpy>
#include <QWebEngineView>

using namespace tintmill;

namespace {

constexpr int bar = 16;
// The engine loads and paints in its own processes, slowly on a busy machine:
// the checks wait for the result, not for a time.
constexpr int paintTimeout = 20000;
// The preview's size in the main window; the textarea's box on its own page.
constexpr int viewWidth = 297;
constexpr int viewHeight = 393;
constexpr int textareaWidth = 200;
constexpr int textareaHeight = 300;

QString withStyle(QString html, const QString &css)
{
    return html.replace(QStringLiteral("</head>"), "<style>" + css + "</style></head>");
}

// A page as the preview view shows it: with the display style the view adds.
QString asPreviewShowsIt(const QString &page, const QString &extraCss = {})
{
    return withStyle(page, legacyDisplayStyle(page) + extraCss);
}

QString textareaPage(const QString &css)
{
    return "<html><head><style>" + css +
           "</style></head><body style=\"margin:0;overflow:hidden\"><textarea style=\""
           "position:absolute;left:0;top:0;width:200px;height:300px;margin:0;padding:0;"
           "border:0;box-sizing:border-box;resize:none\">" +
           QStringLiteral("line\n").repeated(60) + "</textarea></body></html>";
}

// The vertical bar whose right edge is at `right`: `count` rows from `top`.
QImage rows(const QImage &shot, int right, int top, int count)
{
    return shot.copy(right - bar, top, bar, count);
}

struct View : QWebEngineView
{
    View()
    {
        resize(viewWidth, viewHeight);
        show();
    }
    bool load(const QString &html)
    {
        QSignalSpy loaded(this, &QWebEngineView::loadFinished);
        setHtml(html, QUrl(QStringLiteral("file:///")));
        return loaded.wait(paintTimeout);
    }
    QImage shot() { return grab().toImage(); }
};

} // namespace

Q_DECLARE_METATYPE(tintmill::ScrollbarColorSet)
Q_DECLARE_METATYPE(tintmill::ScrollbarTarget)

class TestModernScrollbarRender : public QObject
{
    Q_OBJECT

private slots:
    void generatedCssDrawsWhatThePreviewDraws_data()
    {
        QTest::addColumn<ScrollbarColorSet>("set");
        QTest::addColumn<ScrollbarTarget>("target");
        QTest::addColumn<QColor>("thumb");

        // Base, track, face, arrow, 3D light, dark shadow, highlight, shadow;
        // colour numbers are 0x00BBGGRR.
        const std::array<ColorNumber, scrollbarRoleCount> startup{
            0xCCCCCC, 0xFFFFFF, 0xCCCCCC, 0x000000, 0xCCCCCC, 0x000000, 0xFFFFFF, 0x999999};
        const std::array<ColorNumber, scrollbarRoleCount> vivid{
            0x003333, 0xFF0000, 0x0000FF, 0x00FF00, 0xFFFFFF, 0x000000, 0x00FFFF, 0x000099};
        const auto set = [](const std::array<ColorNumber, scrollbarRoleCount> &colors,
                            const std::array<bool, scrollbarRoleCount> &enabled) {
            ScrollbarColorSet result;
            result.colors = colors;
            result.enabled = enabled;
            return result;
        };
        const bool y = true;
        const bool n = false;
        for (const ScrollbarTarget target : {ScrollbarTarget::Body, ScrollbarTarget::Textarea}) {
            const char *on = target == ScrollbarTarget::Body ? "page" : "textarea";
            QTest::addRow("every role, start-up colours, %s", on)
                << set(startup, {y, y, y, y, y, y, y, y}) << target << QColor(0xCC, 0xCC, 0xCC);
            QTest::addRow("track only, %s", on)
                << set(vivid, {n, y, n, n, n, n, n, n}) << target << QColor(0xC0, 0xC0, 0xC0);
            QTest::addRow("base only, %s", on)
                << set(startup, {y, n, n, n, n, n, n, n}) << target << QColor(0xCC, 0xCC, 0xCC);
            QTest::addRow("vivid bevels, %s", on)
                << set(vivid, {n, y, y, y, y, y, y, y}) << target << QColor(0xFF, 0, 0);
        }
    }

    void generatedCssDrawsWhatThePreviewDraws()
    {
        QFETCH(ScrollbarColorSet, set);
        QFETCH(ScrollbarTarget, target);
        QFETCH(QColor, thumb);
        const QPoint previewThumb(viewWidth - bar / 2, 2 * bar);

        View preview;
        QVERIFY(preview.load(asPreviewShowsIt(previewPageText(set))));
        QTRY_COMPARE_WITH_TIMEOUT(QColor(preview.shot().pixel(previewThumb)), thumb, paintTimeout);

        // The whole page: the preview page with no legacy colour, so that it
        // scrolls just as far, carrying the generated CSS instead.
        const QString css = modernScrollbarCss(set, target);
        const bool wholePage = target == ScrollbarTarget::Body;
        const int right = wholePage ? viewWidth : textareaWidth;
        const int height = wholePage ? viewHeight : textareaHeight;
        View modern;
        QVERIFY(modern.load(wholePage ? asPreviewShowsIt(previewPageText({}), css)
                                      : textareaPage(css)));
        QTRY_COMPARE_WITH_TIMEOUT(QColor(modern.shot().pixel(right - bar / 2, 2 * bar)), thumb,
                                  paintTimeout);

        // Pixel for pixel: the upper arrow button with the top of the thumb
        // and its bevel; the track with the lower arrow button; on a page
        // that scrolls as far as the preview, the whole bar.
        const QImage previewShot = preview.shot();
        const QImage modernShot = modern.shot();
        QCOMPARE(rows(modernShot, right, 0, 2 * bar + 8),
                 rows(previewShot, viewWidth, 0, 2 * bar + 8));
        QCOMPARE(rows(modernShot, right, height - 2 * bar, 2 * bar),
                 rows(previewShot, viewWidth, viewHeight - 2 * bar, 2 * bar));
        if (wholePage)
            QCOMPARE(modernShot, previewShot);
    }
};

TINTMILL_TEST_MAIN(TestModernScrollbarRender)
#include "tst_modernscrollbarrender.moc"
