#include "platform/nativepath.h"
#include "support/colortext.h"
#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/mainwindow/filedrop.h"

#include <QAction>
#include <QDockWidget>
#include <QMimeData>
#include <QUrl>
#include <QWindow>

using namespace tintmill;
using test::MainWindowFixture;

// Files dropped on the main window from a file manager, as the window system
// hands the drag to the window; palettes come in as one step of the history.

namespace {

QString dark(const MainWindowFixture &f)
{
    const std::optional<PageColorSet> set = f.workbench->pageSchemes.dark();
    return set ? test::dataOf(*set) : QStringLiteral("none");
}

// The scrollbar's colours, then its switches as 0 and 1.
QString scrollbar(const MainWindowFixture &f)
{
    QString switches;
    for (const bool on : f.workbench->scrollbarEditor.colorSet().enabled)
        switches += on ? u'1' : u'0';
    return f.workbench->scrollbarEditor.ScrColorData() + u' ' + switches;
}

// Drags `data` onto a window and drops it there, as the window system
// does: true when the window took it.
bool drop(QWindow *window, QMimeData *data)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                          Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent dropped(QPointF(20, 20), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                       Qt::NoModifier);
    dropped.ignore();
    QCoreApplication::sendEvent(window, &dropped);
    // The files are opened once the drop is over.
    QCoreApplication::processEvents();
    return enter.isAccepted() && dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
}

bool dropFiles(QWindow *window, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    return drop(window, &data);
}

QStringList shown(const MainWindowFixture &f)
{
    QStringList texts;
    for (const test::ShownMessage &message : f.fakes.messageBox.shown)
        texts << message.text;
    return texts;
}

// The start-up page colours, and the scrollbar's with every switch off.
const QString lightAtStart = "FFFFFF000000FF00000000000000000000000000FF000000";
const QString scrollbarAtStart = "CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999 00000000";

// Both schemes and the scrollbar's face, all web-safe: a pale yellow page
// and 夜の色 for the dark one.
const QByteArray pairGpl = "GIMP Palette\n"
                           "Name: 対\n"
                           "#\n"
                           "255 255 204\t背景の色（ライト）\n"
                           "  0   0  51\t背景の色（ダーク）\n"
                           "255 255 255\tテキストの色（ダーク）\n"
                           "102 204 255\t未訪問のリンクの色（ダーク）\n"
                           "204 153 255\t訪問済のリンクの色（ダーク）\n"
                           "255 255   0\tオンマウスのリンクの色（ダーク）\n"
                           "255 153   0\tクリック時のリンクの色（ダーク）\n"
                           " 51  51  51\t中ブロックの色（ダーク）\n"
                           " 51  51 102\t小ブロックの色（ダーク）\n"
                           "255   0   0\tscrollbar-face-color\n";
const QString night = "000033FFFFFF33336666CCFFCC99FFFF9900333333FFFF00";

} // namespace

class TestFileDrop : public QObject
{
    Q_OBJECT

private slots:
    // A palette dropped anywhere on the window is one step: each scheme it
    // gives and the scrollbar's colours come in together and go back with
    // one undo. A palette of one scheme goes into the scheme being edited.
    void aDroppedPaletteIsOneStep_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        // Before the drop the window edits "light", "dark", or "dark edited":
        // the dark colours with the medium block #336699 by hand.
        QTest::addColumn<QString>("editing");
        QTest::addColumn<QString>("light");
        // The dark colours, "none", or "before" with roles set: "before 0=000033".
        QTest::addColumn<QString>("dark");
        QTest::addColumn<QString>("scrollbar");
        QTest::addColumn<QStringList>("messageParts"); // none: no message

        QTest::addRow("both schemes and the scrollbar")
            << "pair.gpl" << pairGpl << "light"
            << "FFFFCC000000FF00000000000000000000000000FF000000" << night
            << "CCCCCCFFFFFFFF0000000000CCCCCC000000FFFFFF999999 00100000" << QStringList();
        // #CCCCC9 is a hair yellower than #CCCCCC; the translucent text is left.
        QTest::addRow("one scheme, a colour moved and one left out")
            << "colors.tokens.json"
            << QByteArray("{\"page\": {\"background\": {\"$value\": \"#ccccc9\"},"
                          " \"text\": {\"$value\": \"#00000080\"}}}")
            << "light"
            << "CCCCCC000000FF00000000000000000000000000FF000000"
            << "none" << scrollbarAtStart
            << QStringList{"colors.tokens.json から、ページの色を読み込みました。\n\n"
                           "Webセーフ色でない色は、いちばん近いWebセーフ色にしました。\n"
                           "・背景の色: #ccccc9 → #CCCCCC、色差 ",
                           "\n\n・テキストの色: 「#00000080」は半透明"};
        QTest::addRow("one scheme into the dark one being edited")
            << "medium.css" << QByteArray(":root { --block-medium-background: #336699; }\n")
            << "dark" << lightAtStart << "before 6=336699" << scrollbarAtStart << QStringList();
        QTest::addRow("part of the dark one over the dark one edited by hand")
            << "backgrounds.gpl"
            << QByteArray("GIMP Palette\n#\n255 255 204\t背景の色（ライト）\n"
                          "0 0 51\t背景の色（ダーク）\n")
            << "dark edited"
            << "FFFFCC000000FF00000000000000000000000000FF000000"
            << "before 0=000033" << scrollbarAtStart << QStringList();
    }

    void aDroppedPaletteIsOneStep()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, editing);
        QFETCH(QString, light);
        QFETCH(QString, dark);
        QFETCH(QString, scrollbar);
        QFETCH(QStringList, messageParts);

        MainWindowFixture f;
        const QString path = f.fakes.programDirectory.folder.filePath(fileName);
        QVERIFY(test::putFile(path, content));
        PageSchemes &schemes = f.workbench->pageSchemes;
        if (editing != "light")
            schemes.edit(ColorScheme::Dark);
        if (editing == "dark edited") {
            f.workbench->pageEditor.setSelectedRole(PageRole::MediumBlock);
            f.workbench->pageEditor.ColorChange(51); // #336699: steps 1, 2, 3
        }
        const QString darkBefore = ::dark(f);
        QVERIFY(editing != "dark edited" || darkBefore.mid(36, 6) == "336699");
        if (dark.startsWith("before")) {
            const QStringList roles = dark.split(u' ').mid(1);
            dark = darkBefore;
            for (const QString &role : roles)
                dark.replace(role.section(u'=', 0, 0).toInt() * 6, 6, role.section(u'=', 1));
        }
        const int steps = f.workbench->history.stack().count();

        QVERIFY(dropFiles(f.window->windowHandle(), {path}));

        QCOMPARE(test::dataOf(schemes.light()), light);
        QCOMPARE(::dark(f), dark);
        QCOMPARE(::scrollbar(f), scrollbar);
        QCOMPARE(schemes.editing(), editing == "light" ? ColorScheme::Light : ColorScheme::Dark);
        const QStringList messages = shown(f);
        QCOMPARE(messages.size(), messageParts.isEmpty() ? 0 : 1);
        for (const QString &part : messageParts)
            QVERIFY2(messages.constFirst().contains(part), qPrintable(messages.constFirst()));
        QCOMPARE(f.workbench->history.stack().count(), steps + 1);
        QCOMPARE(f.find<QAction>("mnuUndo")->text(),
                 QStringLiteral("元に戻す(&U): %1 の読み込み").arg(fileName));

        f.find<QAction>("mnuUndo")->trigger();
        QCOMPARE(test::dataOf(schemes.light()), lightAtStart);
        QCOMPARE(::dark(f), darkBefore);
        QCOMPARE(::scrollbar(f), scrollbarAtStart);
    }

    // Several files at once: each colour file opens as from its open
    // dialog, each palette comes in, and whatever is neither is named.
    // Anything dragged that is no local file is left to the control under
    // the pointer.
    void dropsOfEveryKind()
    {
        MainWindowFixture f;
        const QString dir = f.fakes.programDirectory.folder.path();
        QVERIFY(test::putFile(dir + "/summer.iro",
                              "#FFFFCC000000CCCCCC0000FF990099FF0000999999FF00FF\r\n"));
        QVERIFY(test::putFile(dir + "/face.scb",
                              "#CCCCCCFFFFFFFF0000000000CCCCCC000000FFFFFF999999\r\n"
                              "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
        QVERIFY(test::putFile(dir + "/notes.txt", "#FFFFCC\n"));
        QVERIFY(test::putFile(dir + "/plain.css", "body { margin: 0 }\n"));
        QVERIFY(test::putFile(dir + "/pair.gpl", pairGpl));

        QVERIFY(dropFiles(f.window->windowHandle(),
                          {dir + "/summer.iro", dir + "/face.scb", dir + "/notes.txt",
                           dir + "/plain.css", dir + "/pair.gpl"}));

        QCOMPARE(f.workbench->pageFiles.list().text(0, 0), QStringLiteral("summer.iro"));
        QCOMPARE(f.workbench->scrollbarFiles.list().text(0, 0), QStringLiteral("face.scb"));
        // The palette came last: its light page over summer's colours.
        QCOMPARE(test::dataOf(f.workbench->pageSchemes.light()),
                 QStringLiteral("FFFFCC000000CCCCCC0000FF990099FF0000999999FF00FF"));
        QCOMPARE(dark(f), night);
        // Not summer's colours any more: its row is no longer the chosen one.
        QVERIFY(!f.workbench->pageFiles.list().isChosen(0));
        const QStringList messages = shown(f);
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages.at(0).endsWith("でもないので、開けません。\n\n" + dir + "/notes.txt"));
        QVERIFY(
            messages.at(1).startsWith("このファイルから色を読み込めませんでした。\nこのCSSには"));
        QVERIFY(messages.at(1).endsWith("\n\n" + dir + "/plain.css"));

        QMimeData text;
        text.setText(dir + "/pair.gpl");
        QVERIFY(!drop(f.window->windowHandle(), &text));
        QMimeData web;
        web.setUrls({QUrl("https://example.org/pair.gpl")});
        QVERIFY(!drop(f.window->windowHandle(), &web));
        QCOMPARE(f.workbench->pageFiles.list().fileCount(), 1);
        QCOMPARE(shown(f).size(), 2);
    }

    // A pane floated is a window of its own, and takes files too.
    void aFloatingPaneTakesDrops()
    {
        MainWindowFixture f;
        const QString path = f.fakes.programDirectory.folder.filePath("pair.gpl");
        QVERIFY(test::putFile(path, pairGpl));
        f.find<QAction>("mnuExport")->trigger();
        auto *pane = f.find<QDockWidget>("frmExport");
        pane->setFloating(true);
        QTRY_VERIFY(pane->windowHandle() != nullptr && pane->windowHandle()->isExposed());

        QVERIFY(dropFiles(pane->windowHandle(), {path}));
        QCOMPARE(dark(f), night);
    }

    // A name that is not UTF-8 comes percent-encoded; its bytes still lead
    // to the file.
    void droppedNamesKeepTheirBytes()
    {
        QMimeData data;
        data.setUrls({QUrl::fromEncoded("file:///tmp/caf%E9.iro"), QUrl("file:///tmp/a%20b.gpl"),
                      QUrl("https://example.org/x.iro")});
        const QStringList paths = droppedFiles(&data);
        QCOMPARE(paths.size(), 2);
        QCOMPARE(nativePath(paths.at(0)), QByteArray("/tmp/caf\xE9.iro"));
        QCOMPARE(paths.at(1), QStringLiteral("/tmp/a b.gpl"));
    }
};

TINTMILL_TEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
