#include "codegen/modernscrollbarcss.h"
#include "support/librarytestmain.h"

using namespace tintmill;

namespace {

// Colour numbers are 0x00BBGGRR; the captions are not what this text reads.
ScrollbarColorSet makeSet(const std::array<ColorNumber, scrollbarRoleCount> &colors,
                          const std::array<bool, scrollbarRoleCount> &enabled)
{
    ScrollbarColorSet set;
    set.colors = colors;
    set.enabled = enabled;
    for (QString &caption : set.captions)
        caption = QStringLiteral("#unused");
    return set;
}

// Base, track, face, arrow, 3D light, dark shadow, highlight, shadow.
constexpr std::array<ColorNumber, scrollbarRoleCount> startupColors{
    0xCCCCCC, 0xFFFFFF, 0xCCCCCC, 0x000000, 0xCCCCCC, 0x000000, 0xFFFFFF, 0x999999};
// The track #3366FF; the face red and the arrow green, both switched off.
constexpr std::array<ColorNumber, scrollbarRoleCount> vividColors{
    0xCCCCCC, 0xFF6633, 0x0000FF, 0x00FF00, 0xCCCCCC, 0x000000, 0xFFFFFF, 0x999999};

const char everyRoleOnThePage[] =
    "html::-webkit-scrollbar{width:16px;height:16px;background-color:#FFFFFF}\r\n"
    "html::-webkit-scrollbar-track{background-color:#FFFFFF}\r\n"
    "html::-webkit-scrollbar-thumb{background-color:#CCCCCC;border:1px solid;"
    "border-color:#CCCCCC #000000 #000000 #CCCCCC;"
    "box-shadow:inset 1px 1px 0 #FFFFFF,inset -1px -1px 0 #999999}\r\n"
    "html::-webkit-scrollbar-button:single-button{display:block;width:16px;height:16px;"
    "background-color:#CCCCCC;border:1px solid;border-color:#CCCCCC #000000 #000000 #CCCCCC;"
    "box-shadow:inset 1px 1px 0 #FFFFFF,inset -1px -1px 0 #999999;"
    "background-repeat:no-repeat;background-position:center}\r\n"
    "html::-webkit-scrollbar-button:single-button:vertical:decrement{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='7'"
    "%20height='4'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23000000'"
    "%20d='M3%200H4V1H5V2H6V3H7V4H0V3H1V2H2V1H3Z'/%3E%3C/svg%3E\")}\r\n"
    "html::-webkit-scrollbar-button:single-button:vertical:increment{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='7'"
    "%20height='4'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23000000'"
    "%20d='M0%200H7V1H6V2H5V3H4V4H3V3H2V2H1V1H0Z'/%3E%3C/svg%3E\")}\r\n"
    "html::-webkit-scrollbar-button:single-button:horizontal:decrement{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='4'"
    "%20height='7'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23000000'"
    "%20d='M3%200H4V7H3V6H2V5H1V4H0V3H1V2H2V1H3Z'/%3E%3C/svg%3E\")}\r\n"
    "html::-webkit-scrollbar-button:single-button:horizontal:increment{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='4'"
    "%20height='7'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23000000'"
    "%20d='M0%200H1V1H2V2H3V3H4V4H3V5H2V6H1V7H0Z'/%3E%3C/svg%3E\")}\r\n"
    "html::-webkit-scrollbar-corner{background-color:#CCCCCC}\r\n"
    "@supports not selector(::-webkit-scrollbar){\r\n"
    "html{scrollbar-color:#CCCCCC #FFFFFF}\r\n"
    "}";

// Only the track: every other part looks like the engine's own scrollbar,
// and Firefox's thumb keeps the same grey.
const char trackOnlyOnTextareas[] =
    "textarea::-webkit-scrollbar{width:16px;height:16px;background-color:#3366FF}\r\n"
    "textarea::-webkit-scrollbar-track{background-color:#3366FF}\r\n"
    "textarea::-webkit-scrollbar-thumb{background-color:#C0C0C0;border:1px solid;"
    "border-color:#C0C0C0 #C0C0C0 #C0C0C0 #C0C0C0;"
    "box-shadow:inset 1px 1px 0 #C0C0C0,inset -1px -1px 0 #C0C0C0}\r\n"
    "textarea::-webkit-scrollbar-button:single-button{display:block;width:16px;height:16px;"
    "background-color:#F1F1F1;border:1px solid;border-color:#F1F1F1 #F1F1F1 #F1F1F1 #F1F1F1;"
    "box-shadow:inset 1px 1px 0 #F1F1F1,inset -1px -1px 0 #F1F1F1;"
    "background-repeat:no-repeat;background-position:center}\r\n"
    "textarea::-webkit-scrollbar-button:single-button:vertical:decrement{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='7'"
    "%20height='4'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23505050'"
    "%20d='M3%200H4V1H5V2H6V3H7V4H0V3H1V2H2V1H3Z'/%3E%3C/svg%3E\")}\r\n"
    "textarea::-webkit-scrollbar-button:single-button:vertical:increment{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='7'"
    "%20height='4'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23505050'"
    "%20d='M0%200H7V1H6V2H5V3H4V4H3V3H2V2H1V1H0Z'/%3E%3C/svg%3E\")}\r\n"
    "textarea::-webkit-scrollbar-button:single-button:horizontal:decrement{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='4'"
    "%20height='7'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23505050'"
    "%20d='M3%200H4V7H3V6H2V5H1V4H0V3H1V2H2V1H3Z'/%3E%3C/svg%3E\")}\r\n"
    "textarea::-webkit-scrollbar-button:single-button:horizontal:increment{background-image:"
    "url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/2000/svg'%20width='4'"
    "%20height='7'%20shape-rendering='crispEdges'%3E%3Cpath%20fill='%23505050'"
    "%20d='M0%200H1V1H2V2H3V3H4V4H3V5H2V6H1V7H0Z'/%3E%3C/svg%3E\")}\r\n"
    "textarea::-webkit-scrollbar-corner{background-color:#F1F1F1}\r\n"
    "@supports not selector(::-webkit-scrollbar){\r\n"
    "textarea{scrollbar-color:#C0C0C0 #3366FF}\r\n"
    "}";

} // namespace

Q_DECLARE_METATYPE(tintmill::ScrollbarColorSet)
Q_DECLARE_METATYPE(tintmill::ScrollbarTarget)

class TestModernScrollbarCss : public QObject
{
    Q_OBJECT

private slots:
    void textForTodaysBrowsers_data()
    {
        QTest::addColumn<ScrollbarColorSet>("set");
        QTest::addColumn<ScrollbarTarget>("target");
        QTest::addColumn<QString>("expected");
        const std::array<bool, scrollbarRoleCount> none{};
        const std::array<bool, scrollbarRoleCount> every{true, true, true, true,
                                                         true, true, true, true};
        const std::array<bool, scrollbarRoleCount> trackOnly{false, true,  false, false,
                                                             false, false, false, false};

        // Nothing switched on: the browser's own scrollbar needs no CSS.
        QTest::newRow("start-up set, page")
            << makeSet(startupColors, none) << ScrollbarTarget::Body << QString();
        QTest::newRow("start-up set, textarea")
            << makeSet(startupColors, none) << ScrollbarTarget::Textarea << QString();
        QTest::newRow("every role, page") << makeSet(startupColors, every) << ScrollbarTarget::Body
                                          << QString::fromLatin1(everyRoleOnThePage);
        QTest::newRow("track only, textarea")
            << makeSet(vividColors, trackOnly) << ScrollbarTarget::Textarea
            << QString::fromLatin1(trackOnlyOnTextareas);
    }

    void textForTodaysBrowsers()
    {
        QFETCH(ScrollbarColorSet, set);
        QFETCH(ScrollbarTarget, target);
        QFETCH(QString, expected);
        QCOMPARE(modernScrollbarCss(set, target), expected);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestModernScrollbarCss)
#include "tst_modernscrollbarcss.moc"
