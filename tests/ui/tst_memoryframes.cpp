#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/saveload/rowcell.h"
#include "ui/scrollbar/swatchoption.h"
#include "ui/widgets/colorbutton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// The main window on its "保存と読込" page.
struct MemoryWindow : MainWindowFixture
{
    MemoryWindow() { find<QTabWidget>("SSTab1")->setCurrentIndex(1); }

    template<typename T = QWidget> T *at(const QString &name, int index) const
    {
        return find<T>(QStringLiteral("%1_%2").arg(name).arg(index));
    }
    void click(QWidget *widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const QString &name) const { click(find<QWidget>(name)); }
    void click(const QString &name, int index) const { click(at(name, index)); }
    // Answers the next description prompts, in order; a null text cancels.
    void answer(const QStringList &answers) { fakes.inputBox.answers = answers; }
    bool enabled(const QString &name) const { return find<QWidget>(name)->isEnabled(); }
    RowMark mark(const QString &prefix, int row) const { return at<RowCell>(prefix, row)->mark(); }
    int previewWrites() const { return static_cast<int>(fakes.previewBrowser.urls.size()); }
};

QColor backgroundOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

QColor textColorOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

const QStringList pageCaptions{"#ffcc99", "#330066", "#FF0000", "#0000ff",
                               "#663399", "#cc0000", "#00FF00", "#999999"};

} // namespace

class TestMemoryFrames : public QObject
{
    Q_OBJECT

private slots:
    void framesAreLaidOutAsDesigned_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("names"); // remember, forget, viewport, row 0, scroll bar
        QTest::addColumn<QColor>("buttonColor");
        QTest::newRow("page") << "Frame4"
                              << "色設定を一時的に覚えておく（背景・テキスト）"
                              << QStringList{"CmdMem", "CmdForget", "PicMem", "TxtMem_0", "VSbMem"}
                              << QColor(255, 192, 192);
        QTest::newRow("scrollbar")
            << "Frame9"
            << "色設定を一時的に覚えておく（スクロールバー）"
            << QStringList{"CmdMemSC", "CmdForgetSc", "PicMemSc", "txtMemSc_0", "VSbMemSc"}
            << QColor(192, 255, 255);
    }
    void framesAreLaidOutAsDesigned()
    {
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        QFETCH(QStringList, names);
        QFETCH(QColor, buttonColor);
        MemoryWindow w;
        auto *box = w.find<QGroupBox>(frame);
        QCOMPARE(box->title(), caption);
        const auto in = [&](const QString &name) {
            return box->findChild<QWidget *>(name);
        };

        // Twips to pixels at 15 a pixel, the frame's content 105 twips lower.
        QCOMPARE(in(names[0])->geometry(), QRect(16, 23, 65, 39));
        QCOMPARE(in(names[1])->geometry(), QRect(16, 63, 65, 39));
        QCOMPARE(in(names[2])->geometry(), QRect(96, 23, 220, 75));
        QCOMPARE(in(names[3])->geometry(), QRect(0, 0, 201, 18));
        QCOMPARE(in(names[4])->geometry(), QRect(200, 0, 17, 71));
        for (int i = 0; i < 2; ++i) {
            auto *button = static_cast<QPushButton *>(in(names[i]));
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->palette().color(QPalette::Button), buttonColor);
        }
        QCOMPARE(static_cast<QScrollBar *>(in(names[4]))->maximum(), 0);

        // The blank row of an empty store: no mark, no colours, no tab switch.
        const QString pageColors = w.workbench->pageEditor.PageColorData();
        const int writes = w.previewWrites();
        QTest::mouseMove(in(names[3]), QPoint(20, 9));
        w.click(in(names[3]));
        QCOMPARE(static_cast<RowCell *>(in(names[3]))->mark(), RowMark::Plain);
        QVERIFY(!in(names[1])->isEnabled());
        QCOMPARE(w.workbench->pageEditor.PageColorData(), pageColors);
        QCOMPARE(w.previewWrites(), writes);
        QCOMPARE(w.find<QTabWidget>("SSTab2")->currentIndex(), 0);
    }

    void rememberedPageSetComesBackExactly()
    {
        MemoryWindow w;
        w.workbench->pageEditor.applyColorSet({"",
                                               {"#ffcc99", "#330066", "#FF0000", "#0000ff",
                                                "#663399", "#cc0000", "#00FF00", "#999999"}});
        w.answer({"夕暮れ"});
        w.click("CmdMem");
        QCOMPARE(w.at<RowCell>("TxtMem", 0)->text(), QStringLiteral("夕暮れ"));
        QCOMPARE(w.mark("TxtMem", 0), RowMark::Chosen);
        QVERIFY(w.enabled("CmdForget"));
        QCOMPARE(w.find<QLabel>("LblCol_0")->text(), QStringLiteral("#ffcc99"));

        // A colour applied by hand: the set no longer comes from memory.
        w.find<QTabWidget>("SSTab1")->setCurrentIndex(0);
        w.click("OptCol", 0);
        w.click("CmdColor", 0);
        w.click("OptCol", 7);
        w.click("CmdColor", 215);
        QCOMPARE(w.find<QLabel>("LblCol_0")->text(), QStringLiteral("#000000"));
        QCOMPARE(w.mark("TxtMem", 0), RowMark::Plain);
        QVERIFY(!w.enabled("CmdForget"));

        w.find<QTabWidget>("SSTab1")->setCurrentIndex(1);
        w.click("TxtMem", 0);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(w.at<QLabel>("LblCol", k)->text(), pageCaptions.at(k));
        QCOMPARE(backgroundOf(w.find<QWidget>("PicCol")), QColor(0xFF, 0xCC, 0x99));
        QCOMPARE(backgroundOf(w.find<QWidget>("PicMicro")), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(backgroundOf(w.find<QWidget>("PicSmall")), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(backgroundOf(w.find<QWidget>("PicColorCss")), QColor(0xFF, 0xCC, 0x99));
        const std::pair<QStringList, QColor> lines[] = {
            {{"LblText", "LblText1", "LblText2"}, QColor(0x33, 0x00, 0x66)},
            {{"LblLink", "LblLink1", "LblLink2"}, QColor(0x00, 0x00, 0xFF)},
            {{"LblVlink", "LblVLink1", "LblVlink2"}, QColor(0x66, 0x33, 0x99)},
            {{"LblAlink", "LblALink1", "LblAlink2"}, QColor(0xCC, 0x00, 0x00)},
            {{"lblHover", "lblHover1", "lblHover2"}, QColor(0x99, 0x99, 0x99)},
        };
        for (const auto &[names, color] : lines) {
            for (const QString &name : names)
                QCOMPARE(textColorOf(w.find<QWidget>(name)), color);
        }
        QCOMPARE(w.mark("TxtMem", 0), RowMark::Chosen);
        QVERIFY(w.enabled("CmdForget"));

        // The chosen row, clicked again, applies again.
        w.workbench->pageEditor.applyColorSet({"",
                                               {"#000000", "#000000", "#000000", "#000000",
                                                "#000000", "#000000", "#000000", "#000000"}});
        w.click("TxtMem", 0);
        QCOMPARE(w.workbench->pageEditor.PageColorData(),
                 QStringLiteral("ffcc99330066FF00000000ff663399cc000000FF00999999"));
    }

    void rememberedScrollbarSetComesBackWithTwoPreviewWrites()
    {
        MemoryWindow w;
        w.workbench->scrollbarEditor.ApplyFileScrColors(
            {"",
             {"#ff0000", "#FFFF00", "#00ff00", "#00FFFF", "#0000ff", "#FF00FF", "#333333",
              "#cccccc"},
             {true, false, true, true, false, false, true, false}});
        w.answer({QString()});
        w.click("CmdMemSC");
        QCOMPARE(w.find<QTabWidget>("SSTab2")->currentIndex(), 1);
        QCOMPARE(w.at<RowCell>("txtMemSc", 0)->text(), QStringLiteral("名もない色 その1"));

        // A single colour by hand keeps the row chosen.
        w.click("optScr", 0);
        w.find<QTabWidget>("SSTab1")->setCurrentIndex(0);
        w.click("CmdColor", 215);
        w.find<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QCOMPARE(w.at<QLabel>("lblScr", 0)->text(), QStringLiteral("#FFFFFF"));
        w.click("chkScr", 1);
        QCOMPARE(w.mark("txtMemSc", 0), RowMark::Chosen);
        QVERIFY(w.enabled("CmdForgetSc"));

        w.find<QTabWidget>("SSTab2")->setCurrentIndex(0);
        const int writesBefore = w.previewWrites();
        w.click("txtMemSc", 0);
        QCOMPARE(w.previewWrites() - writesBefore, 2);
        QCOMPARE(w.find<QTabWidget>("SSTab2")->currentIndex(), 1);
        const QStringList captions{"#ff0000", "#FFFF00", "#00ff00", "#00FFFF",
                                   "#0000ff", "#FF00FF", "#333333", "#cccccc"};
        // Colour numbers are 0x00BBGGRR.
        const QList<ColorNumber> colors{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00,
                                        0xFF0000, 0xFF00FF, 0x333333, 0xCCCCCC};
        const QList<bool> ticked{true, false, true, true, false, false, true, false};
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(w.at<QLabel>("lblScr", k)->text(), captions.at(k));
            QCOMPARE(w.at<QCheckBox>("chkScr", k)->isChecked(), ticked.at(k));
            QCOMPARE(w.at<SwatchOption>("optScr", k)->color(), colors.at(k));
        }
        QCOMPARE(w.mark("txtMemSc", 0), RowMark::Chosen);
    }

    void fifthRowScrollsAndForgettingScrollsBack()
    {
        MemoryWindow w;
        for (int i = 0; i < 4; ++i)
            w.click("CmdMem");
        auto *bar = w.find<QScrollBar>("VSbMem");
        QCOMPARE(bar->maximum(), 0);
        w.click("CmdMem");
        QCOMPARE(w.at<RowCell>("TxtMem", 4)->text(), QStringLiteral("名もない色 その5"));
        QCOMPARE(bar->maximum(), 270);
        QCOMPARE(bar->value(), 270);
        QCOMPARE(w.at("TxtMem", 0)->y(), -18);
        QCOMPARE(w.at("TxtMem", 4)->y(), 54);

        w.click("CmdForget");
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(w.at("TxtMem", 0)->y(), 0);
        QTRY_VERIFY(!w.at("TxtMem", 4));
        QVERIFY(!w.enabled("CmdForget"));
        QCOMPARE(w.workbench->pageMemory.store().MaxNumGet(), 5);
    }

    void hoverMarksFollowTheMouse()
    {
        MemoryWindow w;
        w.click("CmdMemSC");
        w.click("CmdMemSC");
        const auto moveTo = [&w](const QString &name, QPoint where) {
            QTest::mouseMove(w.find<QWidget>(name), where);
            return std::pair{w.mark("txtMemSc", 0), w.mark("txtMemSc", 1)};
        };
        using enum RowMark;
        // Each move starts somewhere new: a move to where the pointer already is goes unseen.
        QCOMPARE(moveTo("txtMemSc_1", {25, 9}), std::pair(Plain, Chosen));
        QCOMPARE(moveTo("txtMemSc_0", {20, 9}), std::pair(Hovered, Chosen));
        QCOMPARE(moveTo("Frame9", {5, 60}), std::pair(Plain, Chosen));
        QCOMPARE(moveTo("txtMemSc_0", {30, 9}), std::pair(Hovered, Chosen));
        QCOMPARE(moveTo("PicMemSc", {60, 60}), std::pair(Plain, Chosen));
    }
};

TINTMILL_TEST_MAIN(TestMemoryFrames)
#include "tst_memoryframes.moc"
