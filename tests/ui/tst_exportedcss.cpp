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

} // namespace

class TestExportedCss : public QObject
{
    Q_OBJECT

private slots:
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
        const QString path = folder.filePath("page.html");
        QVERIFY(test::putFile(
            path, QString::fromUtf8(page).arg(exportText(ExportFormat::Css, colors)).toUtf8()));

        PreviewHost host;
        host.setExternalOpener([](const QUrl &) {});
        host.resize(200, 400);
        host.show();
        host.createView();
        host.navigate(QUrl::fromLocalFile(path));
        QWidget *view = host.view();
        // The rows of one picture: the engine paints a page in parts, so a
        // row read from a later picture than the first may not be there yet.
        const auto rows = [view](std::initializer_list<int> indexes) {
            const QImage picture = view->grab().toImage();
            QStringList colours;
            for (const int index : indexes)
                colours << QColor(picture.pixel(row(index))).name();
            return colours.join(u' ');
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
};

TINTMILL_TEST_MAIN(TestExportedCss)
#include "tst_exportedcss.moc"
