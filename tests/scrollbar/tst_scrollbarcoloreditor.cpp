#include "scrollbar/scrollbarcoloreditor.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QFile>
#include <QSignalSpy>

using namespace tintmill;

namespace {

constexpr int buttonFF0000 = 180;
constexpr int button000000 = 0;
constexpr int button3366CC = 36 * 1 + 6 * 2 + 4;
const QString startupData = QStringLiteral("CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999");

// The page as it must reach the disk, with lines 5 to 12 given.
QByteArray expectedPage(const QList<QByteArray> &ruleLines)
{
    QByteArray page = "<html><head>\r\n"
                      "<style type=\"Text/css\">\r\n"
                      "<!--\r\n"
                      "body{\r\n";
    for (const QByteArray &line : ruleLines)
        page += line + "\r\n";
    page += "}\r\n"
            "--></style></head>\r\n"
            "<body link=\"#FFFFFF\" vlink=\"#FFFFFF\" bgcolor=\"#000000\">\r\n"
            "<a href=\"https://tintmill.example.org/support/\"target=\"_blank\" "
            "style=\"font-size:10px;position:relative;top:-18px;left:0px\">"
            "\x83\x54\x83\x7C\x81\x5B\x83\x67\x83\x54\x83\x43\x83\x67\x82\xD6"
            "</a>\r\n";
    page += QByteArray("<br>").repeated(34) + "\r\n";
    page += "</body></html>\r\n";
    return page;
}

QList<QByteArray> emptyRules()
{
    return QList<QByteArray>(8);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A saved set from eight RRGGBB texts and eight "0"/"1" flags.
StoredScrollbarSet storedSet(const QStringList &colors, const QStringList &flags)
{
    StoredScrollbarSet set{QStringLiteral("説明"), {}, {}};
    for (int k = 0; k < scrollbarRoleCount; ++k) {
        set.captions.at(k) = u'#' + colors.at(k);
        set.enabled.at(k) = flags.at(k) == QLatin1String("1");
    }
    return set;
}

const QStringList allOff{"0", "0", "0", "0", "0", "0", "0", "0"};
const QStringList allOn{"1", "1", "1", "1", "1", "1", "1", "1"};

// An editor over fakes, started up as the main window does it.
struct StartedEditor
{
    StartedEditor()
    {
        editor.setStartupColors();
        editor.WritePreviewPage();
        editor.setPreviewRefreshEnabled(true);
    }
    QByteArray page() const { return readAll(editor.previewPagePath()); }
    int writes() const { return static_cast<int>(fakes.previewBrowser.urls.size()); }

    test::FakeServices fakes;
    ScrollbarColorEditor editor{fakes.previewBrowser, fakes.programDirectory};
};

} // namespace

class TestScrollbarColorEditor : public QObject
{
    Q_OBJECT

private slots:
    void previewPageAfterStartUpIsExactAndShown()
    {
        StartedEditor s;
        const QByteArray page = s.page();
        QCOMPARE(page, expectedPage(emptyRules()));
        QCOMPARE(page.split('\n').size() - 1, 18);
        QCOMPARE(page.split('\n').at(1).size(), 23 + 1); // the CR stays with the line
        QCOMPARE(page.split('\n').at(14).size(), 55 + 1);
        QCOMPARE(s.fakes.previewBrowser.urls,
                 QList<QUrl>{QUrl::fromLocalFile(s.fakes.programDirectory.folder.path() +
                                                 QStringLiteral("/tmp.htm"))});
    }

    void ruleLinesFollowFlagsAndColourNumbers_data()
    {
        QTest::addColumn<QStringList>("colors");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QList<QByteArray>>("rules");

        const QStringList startup{"CCCCCC", "FFFFFF", "CCCCCC", "000000",
                                  "CCCCCC", "000000", "FFFFFF", "999999"};
        QList<QByteArray> arrowOnly = emptyRules();
        arrowOnly[3] = "scrollbar-arrow-color:#FF0000;";
        QTest::newRow("only the arrow, red")
            << QStringList{"CCCCCC", "FFFFFF", "CCCCCC", "FF0000",
                           "CCCCCC", "000000", "FFFFFF", "999999"}
            << QStringList{"0", "0", "0", "1", "0", "0", "0", "0"} << arrowOnly;

        QList<QByteArray> blackBase = emptyRules();
        blackBase[0] = "scrollbar-base-color:#000000;";
        QTest::newRow("base with colour 0")
            << QStringList{"000000", "FFFFFF", "CCCCCC", "000000",
                           "CCCCCC", "000000", "FFFFFF", "999999"}
            << QStringList{"1", "0", "0", "0", "0", "0", "0", "0"} << blackBase;

        QTest::newRow("lower-case captions give upper-case rules")
            << QStringList{"cccccc", "ffffff", "cc9933", "000000",
                           "cccccc", "000000", "ffffff", "999999"}
            << allOn
            << QList<QByteArray>{
                   "scrollbar-base-color:#CCCCCC;",      "scrollbar-track-color:#FFFFFF;",
                   "scrollbar-face-color:#CC9933;",      "scrollbar-arrow-color:#000000;",
                   "scrollbar-3dlight-color:#CCCCCC;",   "scrollbar-darkshadow-color:#000000;",
                   "scrollbar-highlight-color:#FFFFFF;", "scrollbar-shadow-color:#999999;"};

        QTest::newRow("all off keeps eight empty lines") << startup << allOff << emptyRules();
    }

    void ruleLinesFollowFlagsAndColourNumbers()
    {
        QFETCH(QStringList, colors);
        QFETCH(QStringList, flags);
        QFETCH(QList<QByteArray>, rules);
        StartedEditor s;
        s.editor.ApplyFileScrColors(storedSet(colors, flags));
        QCOMPARE(s.page(), expectedPage(rules));
        // The captions keep the stored letter case; only the page is upper case.
        QCOMPARE(s.editor.ScrColorData(), colors.join(QString()));
    }

    void rewritingTheSameSetGivesTheSameBytes()
    {
        StartedEditor s;
        s.editor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        const QByteArray first = s.page();
        s.editor.WritePreviewPage();
        QCOMPARE(s.page(), first);
    }

    void colourChangeTouchesOnlyTheSelectedRoleAndRewritesOnce()
    {
        StartedEditor s;
        QSignalSpy highlight(&s.editor, &ScrollbarColorEditor::changedByHand);
        s.editor.setSelectedRole(ScrRole::ScrFace);
        const int before = s.writes();
        s.editor.ScrColorChange(button3366CC);
        QCOMPARE(s.writes(), before + 1);
        QCOMPARE(highlight.count(), 1);
        QCOMPARE(s.editor.caption(ScrRole::ScrFace), QStringLiteral("#3366CC"));
        QCOMPARE(s.editor.color(ScrRole::ScrFace), 0xCC6633U);
        QCOMPARE(s.editor.ScrColorData(),
                 QStringLiteral("CCCCCCFFFFFF3366CC000000CCCCCC000000FFFFFF999999"));
        // The face is switched off: the page is rewritten, and says the same.
        QCOMPARE(s.page(), expectedPage(emptyRules()));

        s.editor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        s.editor.ScrColorChange(buttonFF0000);
        s.editor.ScrColorChange(button000000);
        QCOMPARE(s.writes(), before + 4);
        QList<QByteArray> rules = emptyRules();
        rules[2] = "scrollbar-face-color:#000000;";
        QCOMPARE(s.page(), expectedPage(rules));
    }

    void flagClicksRewriteOnlyWhileRefreshIsOn()
    {
        test::FakeServices fakes;
        ScrollbarColorEditor editor(fakes.previewBrowser, fakes.programDirectory);
        // Before start-up has shown the first page, ticking writes nothing.
        editor.enabledToggle(ScrRole::ScrTrack).setChecked(true);
        QCOMPARE(fakes.previewBrowser.urls.size(), 0);

        editor.setPreviewRefreshEnabled(true);
        editor.enabledToggle(ScrRole::ScrTrack).setChecked(false);
        editor.enabledToggle(ScrRole::ScrTrack).setChecked(false); // no change, no click
        QCOMPARE(fakes.previewBrowser.urls.size(), 1);
        {
            PreviewRefreshPause outer(editor);
            {
                PreviewRefreshPause inner(editor);
            }
            QVERIFY(!editor.PreviewRefreshEnabled());
            editor.enabledToggle(ScrRole::ScrTrack).setChecked(true);
        }
        QVERIFY(editor.PreviewRefreshEnabled());
        QCOMPARE(fakes.previewBrowser.urls.size(), 1);
    }

    void applyingAStoredSetWritesOnce()
    {
        StartedEditor s;
        const int before = s.writes();
        s.editor.ApplyFileScrColors(storedSet(
            {"FF0000", "00FF00", "0000FF", "FFFF00", "00FFFF", "FF00FF", "FFFFFF", "000000"},
            allOn));
        QCOMPARE(s.writes(), before + 1);
        QVERIFY(s.editor.PreviewRefreshEnabled());
        for (const ScrRole role : allScrRoles)
            QVERIFY(s.editor.isEnabled(role));
        QCOMPARE(s.editor.caption(ScrRole::ScrTrack), QStringLiteral("#00FF00"));
        QCOMPARE(s.editor.color(ScrRole::ScrFace), 0xFF0000U); // blue
    }

    void incompleteStoredSetChangesNothing()
    {
        StartedEditor s;
        const int before = s.writes();
        s.editor.ApplyFileScrColors({"説明", {"#FF0000", "#00FF00"}, {}});
        QCOMPARE(s.editor.ScrColorData(), startupData);
        QCOMPARE(s.writes(), before);
    }

    void unwritableFolderKeepsThePreviousPreview()
    {
        StartedEditor s;
        const QByteArray before = s.page();
        const QString previous = s.editor.previewPagePath();
        // A folder below a plain file cannot be created, not even by root.
        QFile blocker(s.fakes.programDirectory.folder.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        s.fakes.programDirectory.dataDirectoryOverride = blocker.fileName() + "/sub";
        const int writes = s.writes();

        s.editor.enabledToggle(ScrRole::ScrFace).setChecked(true);
        s.editor.setSelectedRole(ScrRole::ScrFace);
        s.editor.ScrColorChange(buttonFF0000);
        QCOMPARE(s.writes(), writes);
        QCOMPARE(readAll(previous), before);
        QCOMPARE(s.editor.caption(ScrRole::ScrFace), QStringLiteral("#FF0000"));
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestScrollbarColorEditor)
#include "tst_scrollbarcoloreditor.moc"
