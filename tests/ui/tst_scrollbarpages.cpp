#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/scrollbar/scrollbardiagram.h"
#include "ui/scrollbar/swatchoption.h"
#include "ui/widgets/colorbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

const QStringList countControls{"lblRows", "txtRows", "cmdClearRow",
                                "lblCols", "txtCols", "cmdClearCol"};

// The main window with both tab controls on their scrollbar pages.
struct ScrollbarWindow : MainWindowFixture
{
    ScrollbarWindow() { find<QTabWidget>("SSTab1")->setCurrentIndex(4); }

    template<typename T = QWidget> T *at(const QString &name, int index) const
    {
        return find<T>(QStringLiteral("%1_%2").arg(name).arg(index));
    }
    void click(const QString &name) const
    {
        QTest::mouseClick(find<QWidget>(name), Qt::LeftButton);
    }
    int writes() const { return static_cast<int>(fakes.previewBrowser.urls.size()); }
    bool enabled(const QString &name) const { return find<QWidget>(name)->isEnabled(); }
    bool checked(const QString &name) const { return find<QAbstractButton>(name)->isChecked(); }
    QString attributeText() const { return find<QPlainTextEdit>("txtScrZ")->toPlainText(); }
};

int borderedCaptions(const ScrollbarWindow &w)
{
    int bordered = 0;
    for (int k = 0; k < 8; ++k)
        bordered += w.at<QLabel>("lblScr", k)->frameShape() == QFrame::Box ? 1 : 0;
    return bordered;
}

} // namespace

class TestScrollbarPages : public QObject
{
    Q_OBJECT

private slots:
    void startUpShowsTheDefaultSetAndDisablesTheTagOptions()
    {
        MainWindowFixture w;
        QCOMPARE(w.workbench->scrollbarEditor.ScrColorData(),
                 QStringLiteral("CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999"));
        const QStringList captions{"#CCCCCC", "#FFFFFF", "#CCCCCC", "#000000",
                                   "#CCCCCC", "#000000", "#FFFFFF", "#999999"};
        const QList<ColorNumber> colors{0xCCCCCC, 0xFFFFFF, 0xCCCCCC, 0x000000,
                                        0xCCCCCC, 0x000000, 0xFFFFFF, 0x999999};
        for (int k = 0; k < 8; ++k) {
            const QString index = QString::number(k);
            QCOMPARE(w.find<QLabel>("lblScr_" + index)->text(), captions.at(k));
            QVERIFY(!w.find<QCheckBox>("chkScr_" + index)->isChecked());
            QCOMPARE(w.find<SwatchOption>("optScr_" + index)->color(), colors.at(k));
        }
        QVERIFY(w.find<QRadioButton>("optScr_0")->isChecked());
        QCOMPARE(w.find<QLabel>("lblScr_0")->frameShape(), QFrame::Box);

        // The first preview page, written once, then refreshing is on.
        QCOMPARE(w.fakes.previewBrowser.urls.size(), 1);
        QVERIFY(w.workbench->scrollbarEditor.PreviewRefreshEnabled());

        for (const QString &name :
             countControls + QStringList{"optTag_0", "optTag_1", "optDoubleSc", "optSingleSc"})
            QVERIFY2(!w.find<QWidget>(name)->isEnabled(), qPrintable(name));
        QVERIFY(w.find<QRadioButton>("optTag_0")->isChecked());
        QVERIFY(w.find<QRadioButton>("optDoubleSc")->isChecked());
        QVERIFY(w.find<QRadioButton>("optBodyY")->isChecked());
    }

    void colourButtonChangesExactlyTheSelectedRoleOnTheScrollbarPage()
    {
        ScrollbarWindow w;
        w.click("optScr_3");
        QCOMPARE(w.find<QLabel>("lblScr_3")->frameShape(), QFrame::Box);
        w.click("optScr_3");
        QCOMPARE(borderedCaptions(w), 1);

        const int before = w.writes();
        w.find<QTabWidget>("SSTab1")->setCurrentIndex(0);
        w.click("CmdColor_180");
        QCOMPARE(w.find<QLabel>("lblScr_3")->text(), QStringLiteral("#FF0000"));
        QCOMPARE(w.find<SwatchOption>("optScr_3")->color(), 0x0000FFU);
        QCOMPARE(w.workbench->scrollbarEditor.ScrColorData(),
                 QStringLiteral("CCCCCCFFFFFFCCCCCCFF0000CCCCCC000000FFFFFF999999"));
        // The click applies it; the focus the click brings adds nothing: one rewrite.
        QCOMPARE(w.writes(), before + 1);

        // With the page colours on show, the scrollbar set stays as it is.
        w.find<QTabWidget>("SSTab2")->setCurrentIndex(0);
        w.click("CmdColor_5");
        QCOMPARE(w.find<QLabel>("lblScr_3")->text(), QStringLiteral("#FF0000"));
        QCOMPARE(w.writes(), before + 1);
    }

    void checkBoxesRewriteThePreview()
    {
        ScrollbarWindow w;
        const int before = w.writes();
        w.click("chkScr_2");
        QVERIFY(w.workbench->scrollbarEditor.isEnabled(ScrRole::ScrFace));
        QCOMPARE(w.writes(), before + 1);
    }

    void previewPageThatCannotBeWrittenIsSaidInTheViewsPlace()
    {
        // A folder of the same name: the page can never be written.
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("tmp.htm"));
        auto *view = new QWidget;
        MainWindowFixture w(folder.path(), view);
        auto *notice = w.find<QLabel>("lblPreviewProblem");
        QVERIFY(notice);
        // Start-up goes on without a box; the page colours are on show.
        QVERIFY(w.fakes.messageBox.shown.isEmpty());
        QVERIFY(notice->isHidden());

        w.find<QTabWidget>("SSTab1")->setCurrentIndex(4);
        QVERIFY(notice->isVisible());
        QVERIFY(view->isHidden());
        const QString text = notice->text().remove(QChar(0x200B));
        QVERIFY2(text.startsWith(
                     "プレビューページを保存できないため、スクロールバーの色を表示できません。\n"
                     "同じ名前のフォルダーまたは特殊なファイルがあるため、書き込めません。"),
                 qPrintable(text));
        QVERIFY2(text.endsWith(folder.filePath("tmp.htm")), qPrintable(text));

        // Said once: further changes that fail add nothing.
        QSignalSpy said(&w.workbench->scrollbarEditor,
                        &ScrollbarColorEditor::previewProblemChanged);
        QTest::mouseClick(w.find<QWidget>("chkScr_2"), Qt::LeftButton);
        QCOMPARE(said.count(), 0);
        QCOMPARE(w.fakes.previewBrowser.urls.size(), 0);

        // Once the page can be written, the view is back.
        QVERIFY(QDir(folder.path()).rmdir("tmp.htm"));
        QTest::mouseClick(w.find<QWidget>("chkScr_3"), Qt::LeftButton);
        QCOMPARE(said.count(), 1);
        QVERIFY(notice->isHidden());
        QVERIFY(view->isVisible());
        QCOMPARE(w.fakes.previewBrowser.urls.size(), 1);
        QVERIFY(w.fakes.messageBox.shown.isEmpty());
    }

    void drawingLeadsEachPartToItsRole()
    {
        ScrollbarWindow w;
        auto *picture = w.find<ScrollbarDiagram>("Picture1");
        for (int k = 0; k < 8; ++k) {
            const auto role = static_cast<ScrRole>(k);
            QCOMPARE(picture->roleAt(picture->anchor(role)), std::optional(role));
        }
    }

    void clickingADrawnPartChoosesItsRole_data()
    {
        QTest::addColumn<QPoint>("at"); // in the drawing, away from the leader lines
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("drawn"); // invalid: a dither
        QTest::newRow("thumb, outer top edge") << QPoint(20, 5) << 4 << QColor(0xEC, 0xEA, 0xE4);
        QTest::newRow("thumb, inner top edge") << QPoint(20, 8) << 6 << QColor(Qt::white);
        QTest::newRow("thumb face") << QPoint(25, 30) << 2 << QColor(0xD4, 0xD0, 0xC8);
        QTest::newRow("thumb, inner bottom edge")
            << QPoint(20, 71) << 7 << QColor(0x80, 0x80, 0x80);
        QTest::newRow("thumb, outer bottom edge")
            << QPoint(20, 74) << 5 << QColor(0x40, 0x40, 0x40);
        QTest::newRow("track") << QPoint(20, 97) << 1 << QColor();
        QTest::newRow("button face") << QPoint(25, 140) << 2 << QColor(0xD4, 0xD0, 0xC8);
        QTest::newRow("arrow") << QPoint(30, 137) << 3 << QColor(Qt::black);
        // The brace spans the bar's 48 pixels from x 14, its ends down from
        // y 169 to its crossbar at 173.
        QTest::newRow("brace, crossbar") << QPoint(20, 173) << 0 << QColor(Qt::black);
        QTest::newRow("brace, left end") << QPoint(14, 169) << 0 << QColor(Qt::black);
        QTest::newRow("brace, right end") << QPoint(61, 170) << 0 << QColor(Qt::black);
    }

    void clickingADrawnPartChoosesItsRole()
    {
        QFETCH(QPoint, at);
        QFETCH(int, role);
        QFETCH(QColor, drawn);
        ScrollbarWindow w;
        w.click("optScr_" + QString::number(role == 3 ? 0 : 3));
        auto *picture = w.find<QWidget>("Picture1");
        if (drawn.isValid()) {
            const QImage image = picture->grab().toImage();
            QCOMPARE(image.pixelColor((QPointF(at) * image.devicePixelRatio()).toPoint()), drawn);
        }
        QTest::mouseClick(picture, Qt::LeftButton, {}, at);
        QVERIFY(w.at<QRadioButton>("optScr", role)->isChecked());
        QCOMPARE(w.at<QLabel>("lblScr", role)->frameShape(), QFrame::Box);
        QCOMPARE(borderedCaptions(w), 1);
    }

    void generatedCodeGoesToTheClipboardWithItsLineEnds()
    {
        ScrollbarWindow w;
        w.click("chkScr_0");
        w.click("chkScr_1");
        w.click("optAreaY");
        w.click("cmdScrY");
        QCOMPARE(w.find<QPlainTextEdit>("txtScrY")->toPlainText(),
                 QStringLiteral("textarea{\nscrollbar-base-color:#CCCCCC;\n"
                                "scrollbar-track-color:#FFFFFF;\n}"));
        w.click("cmdScrCripY");
        QCOMPARE(w.fakes.clipboard.text,
                 QStringLiteral("textarea{\r\nscrollbar-base-color:#CCCCCC;\r\n"
                                "scrollbar-track-color:#FFFFFF;\r\n}"));
    }

    void tagModeKeepsTheOptionsInStep()
    {
        ScrollbarWindow w;
        QVERIFY(!w.checked("chkStyleSc"));
        w.click("chkScrTag");
        // Tag mode turns style and space on and locks them; the quotes follow style.
        QVERIFY(w.checked("chkStyleSc") && !w.enabled("chkStyleSc"));
        QVERIFY(w.checked("chkSpaceSc") && !w.enabled("chkSpaceSc"));
        QVERIFY(w.enabled("optDoubleSc") && w.enabled("optSingleSc"));
        QVERIFY(w.enabled("optTag_0") && w.enabled("optTag_1"));
        for (const QString &name : countControls)
            QVERIFY2(!w.enabled(name), qPrintable(name)); // body tag: no counts

        w.click("optTag_1");
        for (const QString &name : countControls)
            QVERIFY2(w.enabled(name), qPrintable(name));
        w.click("optTag_0");
        QVERIFY(!w.enabled("txtRows"));
        w.click("optTag_1");

        // Leaving tag mode unlocks style and space as they are.
        w.click("chkScrTag");
        QVERIFY(w.checked("chkStyleSc") && w.enabled("chkStyleSc"));
        QVERIFY(w.checked("chkSpaceSc") && w.enabled("chkSpaceSc"));
        QVERIFY(w.enabled("optDoubleSc") && w.enabled("optSingleSc"));
        QVERIFY(!w.enabled("optTag_0") && !w.enabled("optTag_1"));
        for (const QString &name : countControls)
            QVERIFY2(!w.enabled(name), qPrintable(name));

        // The quotes follow the style box, whichever way it goes.
        w.click("chkStyleSc");
        QVERIFY(!w.enabled("optDoubleSc") && !w.enabled("optSingleSc"));
        w.click("chkStyleSc");
        QVERIFY(w.enabled("optDoubleSc") && w.enabled("optSingleSc"));
    }

    void textareaTagAsksForMissingCountsAndFocusesThem()
    {
        ScrollbarWindow w;
        w.click("chkScr_0");
        w.click("chkScrTag");
        w.click("cmdScrZ");
        QCOMPARE(w.attributeText(),
                 QStringLiteral("<body style=\"scrollbar-base-color:#CCCCCC;\">"));

        w.click("optTag_1");
        w.click("cmdScrZ");
        QCOMPARE(w.fakes.messageBox.shown.size(), 1);
        QCOMPARE(w.fakes.messageBox.shown.at(0).text,
                 QStringLiteral("textareaの行数を入力してください。"));
        QCOMPARE(w.fakes.messageBox.shown.at(0).icon, MessageBox::Icon::Information);
        QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("txtRows"));
        QCOMPARE(w.attributeText(),
                 QStringLiteral("<body style=\"scrollbar-base-color:#CCCCCC;\">"));

        QTest::keyClicks(w.find<QLineEdit>("txtRows"), QStringLiteral("5"));
        w.click("cmdScrZ");
        QCOMPARE(w.fakes.messageBox.shown.size(), 2);
        QCOMPARE(w.fakes.messageBox.shown.at(1).text,
                 QStringLiteral("textareaの列数を入力してください。"));
        QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("txtCols"));

        QTest::keyClicks(w.find<QLineEdit>("txtCols"), QStringLiteral("40"));
        w.click("cmdScrZ");
        QCOMPARE(w.fakes.messageBox.shown.size(), 2);
        QCOMPARE(w.attributeText(), QStringLiteral("<textarea rows=\"5\" cols=\"40\"\n"
                                                   " style=\"scrollbar-base-color:#CCCCCC;\">\n"
                                                   "</textarea>"));

        // The clear buttons empty their box; the counts are asked for again.
        w.click("cmdClearRow");
        QVERIFY(w.find<QLineEdit>("txtRows")->text().isEmpty());
        QCOMPARE(w.find<QLineEdit>("txtCols")->text(), QStringLiteral("40"));
        w.click("cmdClearCol");
        QVERIFY(w.find<QLineEdit>("txtCols")->text().isEmpty());
    }

    void countBoxesTakeOnlyMainKeyboardDigits_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("after");
        const Qt::KeyboardModifiers none;
        QTest::newRow("digit replaces a lone zero") << "0" << int(Qt::Key_7) << none << "7";
        QTest::newRow("zero after one") << "1" << int(Qt::Key_0) << none << "10";
        QTest::newRow("keypad digit")
            << "1" << int(Qt::Key_3) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "1";
        QTest::newRow("letter") << "1" << int(Qt::Key_A) << none << "1";
        QTest::newRow("shifted digit key's symbol")
            << "1" << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "1";
        QTest::newRow("backspace") << "12" << int(Qt::Key_Backspace) << none << "1";
    }

    void countBoxesTakeOnlyMainKeyboardDigits()
    {
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, after);
        ScrollbarWindow w;
        w.click("chkScrTag");
        w.click("optTag_1");
        auto *rows = w.find<QLineEdit>("txtRows");
        rows->setFocus();
        QTest::keyClicks(rows, before);
        QCOMPARE(rows->text(), before);
        QTest::keyClick(rows, static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(rows->text(), after);
        QCOMPARE(w.workbench->scrollbarCodeOptions.rows(), after);
    }

    void deleteChangesNothingButTheCaretStillMoves()
    {
        ScrollbarWindow w;
        w.click("chkScrTag");
        w.click("optTag_1");
        auto *rows = w.find<QLineEdit>("txtRows");
        rows->setFocus();
        QTest::keyClicks(rows, QStringLiteral("12"));
        QTest::keyClick(rows, Qt::Key_Home);
        QCOMPARE(rows->cursorPosition(), 0);
        QTest::keyClick(rows, Qt::Key_Delete);
        QCOMPARE(rows->text(), QStringLiteral("12"));
        // Text that comes without a key is held to digits too.
        rows->setReadOnly(false);
        rows->insert(QStringLiteral("x"));
        QCOMPARE(rows->text(), QStringLiteral("12"));
    }
};

TINTMILL_TEST_MAIN(TestScrollbarPages)
#include "tst_scrollbarpages.moc"
