#include "support/mainwindowfixture.h"
#include "support/testmain.h"

#include <QImage>
#include <QLabel>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// The sample lines as they appear on screen, in device pixels: the part of the
// block behind the label's rectangle, label and all.
QImage onScreen(QWidget *label)
{
    return label->parentWidget()
        ->grab(label->geometry())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int longestRun(const QImage &image, int y, QRgb color)
{
    int longest = 0;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = image.pixel(x, y) == color ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

bool rowHasInk(const QImage &image, int y, QRgb background)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != background)
            return true;
    }
    return false;
}

bool columnHasInk(const QImage &image, int x, QRgb background)
{
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) != background)
            return true;
    }
    return false;
}

} // namespace

// Run a second time under QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt).
class TestPreviewLines : public QObject
{
    Q_OBJECT

private slots:
    void sampleLinesShowWholeWithTheirUnderline_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("role");
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<bool>("underlined");

        QTest::newRow("large block, link") << "LblLink" << 3 << qRgb(255, 255, 255) << true;
        QTest::newRow("medium block, visited link") << "LblVLink1" << 4 << qRgb(0, 0, 255) << true;
        QTest::newRow("small block, hover link") << "lblHover2" << 7 << qRgb(255, 0, 0) << true;
        QTest::newRow("large block, active link") << "LblAlink" << 5 << qRgb(255, 255, 255) << true;
        QTest::newRow("large block, text") << "LblText" << 1 << qRgb(255, 255, 255) << false;
        // The longest caption is wider than the inner blocks' lines.
        QTest::newRow("small block, text") << "LblText2" << 1 << qRgb(255, 0, 0) << false;
    }

    void sampleLinesShowWholeWithTheirUnderline()
    {
        QFETCH(QString, line);
        QFETCH(int, role);
        QFETCH(QRgb, background);
        QFETCH(bool, underlined);
        MainWindowFixture f;
        // Green, which no block starts with, so that its pixels are the line's.
        QTest::mouseClick(f.find<QWidget>(QStringLiteral("OptCol_%1").arg(role)), Qt::LeftButton);
        QTest::mouseClick(f.find<QWidget>("CmdColor_30"), Qt::LeftButton);
        const QRgb textColor = qRgb(0, 255, 0);

        const QImage image = onScreen(f.find<QWidget>(line));
        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        QCOMPARE(image.devicePixelRatio(), scale);

        // The underline is a run of text colour longer than any glyph's stroke;
        // below it only background.
        const int underlineRun = qRound(80 * scale);
        int underlineTop = -1;
        int lowestGlyphRow = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (longestRun(image, y, textColor) >= underlineRun) {
                if (underlineTop < 0)
                    underlineTop = y;
            } else if (rowHasInk(image, y, background)) {
                QVERIFY2(underlineTop < 0, qPrintable(QStringLiteral("ink below the underline")));
                lowestGlyphRow = y;
            }
        }
        QVERIFY2(lowestGlyphRow > 0, "no glyphs drawn");
        QCOMPARE(underlineTop >= 0, underlined);
        if (underlined)
            QVERIFY2(underlineTop > lowestGlyphRow + 1, "the underline touches the glyphs");
        else
            QVERIFY2(lowestGlyphRow < image.height() - 1, "the glyphs reach the label's bottom");
        QVERIFY2(!columnHasInk(image, image.width() - 1, background),
                 "the text reaches the label's right edge");
    }

    // Lines that share a caption share its measurement only in the same face:
    // a line given a larger face grows to it, while its twin in the other
    // inner block keeps its height.
    void aLineGivenALargerFaceGrowsToIt_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("twin");
        QTest::addColumn<bool>("underlined");

        QTest::newRow("text") << "LblText2"
                              << "LblText1" << false;
        QTest::newRow("link") << "LblLink2"
                              << "LblLink1" << true;
    }

    void aLineGivenALargerFaceGrowsToIt()
    {
        QFETCH(QString, line);
        QFETCH(QString, twin);
        QFETCH(bool, underlined);
        MainWindowFixture f;
        QWidget *label = f.find<QWidget>(line);
        QWidget *other = f.find<QWidget>(twin);
        const int designedHeight = other->height();
        QCOMPARE(label->height(), designedHeight);

        QFont larger = fonts::proportionalGothic(18);
        larger.setUnderline(underlined);
        label->setFont(larger);
        QVERIFY2(label->height() >= designedHeight + 8,
                 qPrintable(QStringLiteral("%1 px high").arg(label->height())));
        QCOMPARE(other->height(), designedHeight);
    }

    void sampleLinesKeepTheirDesignTopsAndOrder()
    {
        MainWindowFixture f;
        // Tops in twips (15 to a pixel) as designed; the lines may only grow down.
        const QStringList large{"LblText", "LblLink", "LblVlink", "lblHover", "LblAlink"};
        const QList<int> largeTops{8, 32, 56, 80, 104};
        const QStringList small{"LblText2", "LblLink2", "LblVlink2", "lblHover2", "LblAlink2"};
        const QList<int> innerTops{8, 27, 47, 67, 87};
        for (int i = 0; i < 5; ++i) {
            const QRect big = f.find<QWidget>(large.at(i))->geometry();
            const QRect inner = f.find<QWidget>(small.at(i))->geometry();
            QCOMPARE(big.top(), largeTops.at(i));
            QCOMPARE(big.left(), 16);
            QVERIFY(big.height() >= 13);
            QCOMPARE(inner.top(), innerTops.at(i));
            QCOMPARE(inner.left(), 8);
            QVERIFY(inner.height() >= 12);
            if (i > 0) {
                QVERIFY(f.find<QWidget>(large.at(i - 1))->geometry().bottom() < big.top());
                QVERIFY(f.find<QWidget>(small.at(i - 1))->geometry().bottom() < inner.top());
            }
        }
    }
};

TINTMILL_TEST_MAIN(TestPreviewLines)
#include "tst_previewlines.moc"
