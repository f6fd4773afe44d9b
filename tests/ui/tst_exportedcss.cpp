#include "codegen/colorexport.h"
#include "support/diskentries.h"
#include "support/livepreview.h"
#include "support/testmain.h"

#include <QTemporaryDir>

using namespace tintmill;
using test::paintTimeout;

// The exported CSS in the real engine, through the browser module as the
// program loads it: a page with the sample elements takes the set's colours.
// Each element is a square painted in its own text colour, so that the
// colour the engine worked out for it shows as whole pixels.

namespace {

const char page[] =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>\n%1\n"
    "body{margin:0}\n"
    ".line{display:block;width:40px;height:40px;margin:0;background-color:currentColor}\n"
    ".medium{height:40px;background-color:var(--block-medium-background)}\n"
    ".small{height:40px;background-color:var(--block-small-background)}\n"
    "</style></head><body>\n"
    "<div style=\"height:40px\"></div>\n"
    "<p class=\"line\"></p>\n"
    "<a class=\"line\" href=\"http://unvisited.invalid/\"></a>\n"
    "<a class=\"line\" href=\"http://hover.invalid/\"></a>\n"
    "<a class=\"line\" href=\"http://active.invalid/\"></a>\n"
    "<div class=\"medium\"></div>\n"
    "<div class=\"small\"></div>\n"
    "</body></html>\n";

// Rows of 40 pixels from the top: body, text, link, hover, active, medium
// block, small block. (A visited link is left out: the view keeps no
// history of visited pages to match it against.)
QPoint row(int index)
{
    return {20, 40 * index + 20};
}

// The view of a page that uses `css`, shown in `host`.
QWidget *showPage(PreviewHost &host, const QString &path, const QString &css)
{
    if (!test::putFile(path, QString::fromUtf8(page).arg(css).toUtf8()))
        return nullptr;
    host.setExternalOpener([](const QUrl &) {});
    host.resize(200, 400);
    host.show();
    host.createView();
    host.navigate(QUrl::fromLocalFile(path));
    return host.view();
}

// The colours of `indexes`' rows, from one picture: the engine paints a page
// in parts, so a row read from a later picture than the first may not be
// there yet.
QString rowColours(QWidget *view, std::initializer_list<int> indexes)
{
    const QImage picture = view->grab().toImage();
    QStringList colours;
    for (const int index : indexes)
        colours << QColor(picture.pixel(row(index))).name();
    return colours.join(u' ');
}

// Set to "dark" (a CTest entry of its own) to run with an engine told that
// the reader prefers a dark scheme.
bool prefersDark()
{
    return qEnvironmentVariable("TINTMILL_TEST_SCHEME") == QLatin1String("dark");
}

} // namespace

class TestExportedCss : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A Blink setting, read when the engine starts: it answers
        // prefers-color-scheme with dark (0) and leaves the page's colours
        // alone, as a reader's dark desktop would.
        if (prefersDark())
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--blink-settings=preferredColorScheme=0");
    }

    void theEngineGivesEachSampleTheSetsColour()
    {
        ExportColors colors;
        colors.description = QStringLiteral("夏の色");
        // By role index: background, text, small block, link, visited, active,
        // medium block, hover.
        colors.page = PageColorSet{{},
                                   {"#FFFFCC", "#333333", "#CCCCCC", "#0000FF", "#990099",
                                    "#FF0000", "#999999", "#FF00FF"}};
        QTemporaryDir folder;
        PreviewHost host;
        QWidget *view =
            showPage(host, folder.filePath("page.html"), exportText(ExportFormat::Css, colors));
        QVERIFY(view != nullptr);
        const auto rows = [view](std::initializer_list<int> indexes) {
            return rowColours(view, indexes);
        };
        QTRY_COMPARE_WITH_TIMEOUT(rows({0, 1, 2, 5, 6}),
                                  QStringLiteral("#ffffcc #333333 #0000ff #999999 #cccccc"),
                                  paintTimeout);

        // The pointer on a link: the hover rule wins over :link.
        QWidget *input = view->focusProxy() != nullptr ? view->focusProxy() : view;
        QTest::mouseMove(input, row(3));
        QTRY_COMPARE_WITH_TIMEOUT(rows({3, 4}), QStringLiteral("#ff00ff #0000ff"), paintTimeout);
        // Pressed (and so hovered too): the active rule, written last, wins.
        QTest::mousePress(input, Qt::LeftButton, {}, row(4));
        QTRY_COMPARE_WITH_TIMEOUT(rows({4}), QStringLiteral("#ff0000"), paintTimeout);
    }

    // The engine predates light-dark(), so these are the plain colours the
    // style sheet falls back to, by the scheme the reader prefers.
    void theReadersSchemePicksTheSetsColours()
    {
        ExportColors colors;
        // By role index: background, text, small block, link, visited, active,
        // medium block, hover.
        colors.page = PageColorSet{{},
                                   {"#FFFFCC", "#333333", "#CCCCCC", "#0000FF", "#990099",
                                    "#FF0000", "#999999", "#FF00FF"}};
        colors.dark = PageColorSet{{},
                                   {"#000033", "#FFFFFF", "#333366", "#66CCFF", "#CC99FF",
                                    "#FF9900", "#333333", "#FFFF00"}};
        QTemporaryDir folder;
        PreviewHost host;
        QWidget *view =
            showPage(host, folder.filePath("page.html"), exportText(ExportFormat::Css, colors));
        QVERIFY(view != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(rowColours(view, {0, 1, 2, 5, 6}),
                                  prefersDark()
                                      ? QStringLiteral("#000033 #ffffff #66ccff #333333 #333366")
                                      : QStringLiteral("#ffffcc #333333 #0000ff #999999 #cccccc"),
                                  paintTimeout);
    }
};

TINTMILL_TEST_MAIN(TestExportedCss)
#include "tst_exportedcss.moc"
