#include "support/mainwindowfixture.h"
#include "support/panes.h"
#include "support/testmain.h"
#include "support/userclicks.h"
#include "tintmill_version.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <array>
#include <functional>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

using Steps = std::function<void(MainWindowFixture &)>;

QString joined(const QStringList &texts)
{
    return texts.join(u'|');
}

// What the user reads on or about a control. `property` is a Qt property of
// the control ("text", "title", "toolTip", "windowTitle"), or one of:
// "tab N" the caption of page N of a tab control; "frame" the caption of the
// frame around the control; "frame tip" that frame's tool tip; "labels" the texts of the labels
// beside it (its parent's labels, in order); "items" a combo box's items or a menu's items.
QString shownText(QObject *object, const QString &property)
{
    if (property.startsWith(QStringLiteral("tab ")))
        return qobject_cast<QTabWidget *>(object)->tabText(property.mid(4).toInt());
    if (property == QStringLiteral("frame") || property == QStringLiteral("frame tip")) {
        for (QWidget *outer = qobject_cast<QWidget *>(object); outer != nullptr;
             outer = outer->parentWidget()) {
            if (auto *frame = qobject_cast<QGroupBox *>(outer))
                return property == QStringLiteral("frame") ? frame->title() : frame->toolTip();
        }
        return QStringLiteral("(no frame)");
    }
    if (property == QStringLiteral("labels")) {
        QStringList texts;
        for (const QLabel *label :
             object->parent()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            texts.append(label->text());
        return joined(texts);
    }
    if (property == QStringLiteral("items")) {
        QStringList texts;
        if (auto *combo = qobject_cast<QComboBox *>(object)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.append(combo->itemText(i));
        } else if (auto *main = qobject_cast<QMainWindow *>(object)) {
            for (const QAction *action : main->menuBar()->actions())
                texts.append(action->text());
        } else {
            for (const QAction *action : qobject_cast<QMenu *>(object)->actions())
                texts.append(action->text());
        }
        return joined(texts);
    }
    const QVariant value = object->property(property.toLatin1().constData());
    return value.isValid() ? value.toString() : QStringLiteral("(no %1)").arg(property);
}

bool isQtProperty(const QString &property)
{
    static const QStringList ours{"frame",   "frame tip", "labels", "items",
                                  "message", "prompt",    "dialog"};
    return !ours.contains(property) && !property.startsWith(QStringLiteral("tab "));
}

// The object of that name that shows the text: the one with the property, or
// for our own kinds the widget rather than the action (a sub-menu and its
// item share a name).
QObject *named(QObject *root, const QString &name, const QString &property)
{
    if (root->objectName() == name)
        return root;
    const QList<QObject *> candidates = root->findChildren<QObject *>(name);
    for (QObject *candidate : candidates) {
        if (isQtProperty(property) ? candidate->property(property.toLatin1().constData()).isValid()
                                   : candidate->isWidgetType())
            return candidate;
    }
    return candidates.value(0);
}

// Presses `opener` (an action or a button) and reads a text of the modal
// window it opens, while it is open; then closes it with Escape.
QString modalText(MainWindowFixture &f, const QString &opener, const QString &name,
                  const QString &property)
{
    QString text = QStringLiteral("(no window shown)");
    QTimer::singleShot(0, f.window.get(), [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QObject *object = named(modal, name, property);
        text = object != nullptr ? shownText(object, property) : QStringLiteral("(missing)");
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    if (auto *action = f.find<QAction>(opener))
        action->trigger();
    else
        test::clickControl(f.find<QWidget>(opener));
    return text;
}

// Clicks `name` and says what the message box or input box that came said.
QString askedOrToldText(MainWindowFixture &f, const QString &name, const QString &property)
{
    const qsizetype messages = f.fakes.messageBox.shown.size();
    const qsizetype dialogs = f.fakes.fileDialog.requests.size();
    const qsizetype prompts = f.fakes.inputBox.prompts.size();
    test::clickControl(f.find<QWidget>(name));
    if (property == QStringLiteral("dialog")) {
        if (f.fakes.fileDialog.requests.size() != dialogs + 1)
            return QStringLiteral("(%1 dialogs)").arg(f.fakes.fileDialog.requests.size() - dialogs);
        const FileDialogRequest &request = f.fakes.fileDialog.requests.constLast();
        return request.title + u'|' + request.filter;
    }
    if (property == QStringLiteral("message")) {
        if (f.fakes.messageBox.shown.size() != messages + 1)
            return QStringLiteral("(%1 messages)").arg(f.fakes.messageBox.shown.size() - messages);
        return f.fakes.messageBox.shown.constLast().text;
    }
    if (f.fakes.inputBox.prompts.size() != prompts + 1)
        return QStringLiteral("(%1 prompts)").arg(f.fakes.inputBox.prompts.size() - prompts);
    return f.fakes.inputBox.prompts.constLast();
}

void clickTimes(MainWindowFixture &f, const QString &name, int times)
{
    for (int i = 0; i < times; ++i)
        test::clickControl(f.find<QWidget>(name));
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestQuotedTexts : public QObject
{
    Q_OBJECT

    // The rows that only read share one window, started once.
    std::unique_ptr<MainWindowFixture> m_window;

private slots:
    void everyTextReadsAsDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Steps>("before"); // for messages and prompts

        QSet<QByteArray> rowNames;
        const auto row = [&rowNames](const char *control, const char *property,
                                     const QString &expected, const Steps &before = {}) {
            QByteArray rowName = QByteArray(control) + ' ' + property;
            while (rowNames.contains(rowName))
                rowName += '+';
            rowNames.insert(rowName);
            QTest::newRow(rowName.constData())
                << QString::fromLatin1(control) << QString::fromLatin1(property) << expected
                << before;
        };
        const QString copy = QStringLiteral("クリップボードにコピー");
        const QString generate = QStringLiteral("スタイルシートの生成");
        const QString readOnly = QStringLiteral("直接入力・編集はできません");
        const QString doubleQuote = QStringLiteral("ダブルクォーテーション");
        const QString singleQuote = QStringLiteral("シングルクォーテーション");

        // The main window, its tab pages and menus.
        row("frmColor", "windowTitle", "Tintmill");
        row("frmColor", "items",
            "ファイル(&F)|編集(&E)|表示(&V)|ツール(&T)|ヘルプ(&H)|バージョン情報(&A)");
        row("SSTab1", "tab 0", "色直接選択");
        row("SSTab1", "tab 1", "保存と読込");
        row("SSTab1", "tab 2", "HTMLの作成");
        row("SSTab1", "tab 3", "CSSの作成");
        row("SSTab1", "tab 4", "スクロールバー");
        row("SSTab2", "tab 0", "背景・テキストetc");
        row("SSTab2", "tab 1", "スクロールバー");
        row("mnuFile", "items", "終了(&X)");
        row("mnuClose", "text", "終了(&X)");
        row("mnuEdit", "title", "編集(&E)");
        row("mnuEdit", "items", "元に戻す(&U)|やり直し(&R)||ダークの色を編集(&D)");
        row("mnuView", "title", "表示(&V)");
        row("mnuView", "items", "大ブロック(&B)|中ブロック(&M)|小ブロック(&S)");
        row("mnuVer", "text", "バージョン情報(&A)");
        row("mnuHelp", "title", "ヘルプ(&H)");
        row("mnuHelp", "items", "使い方(&M)…");
        row("mnuManual", "text", "使い方(&M)…");
        row("mnuTools", "items",
            joined({"読みやすさチェック(&R)…", "今のブラウザ向けスクロールバーCSS(&W)…",
                    "書き出し(&E)…", "近いWebセーフ色(&N)…", "ライトとダーク(&L)…"}));
        // 書き出し's buttons, each with a key of its own in the window.
        row("cmdExportCopy", "text", "コピー(&Y)");
        row("cmdExportSave", "text", "保存(&S)…");
        const QString viewItems =
            joined({"テキスト・リンクをすべて表示(&U)", "テキストを表示(&J)",
                    "未訪問のリンクを表示(&N)", "訪問済のリンクを表示(&I)",
                    "オンマウスのリンクを表示(&M)", "クリック時のリンクを表示(&K)"});
        for (const char *menu : {"mnuDai", "mnuMid", "mnuSmall"})
            row(menu, "items", viewItems);
        const std::pair<const char *, const char *> viewItemNames[] = {
            {"mnuDAll", "テキスト・リンクをすべて表示(&U)"},
            {"mnuMText", "テキストを表示(&J)"},
            {"mnuSLink", "未訪問のリンクを表示(&N)"},
            {"mnuDVLink", "訪問済のリンクを表示(&I)"},
            {"mnuMHover", "オンマウスのリンクを表示(&M)"},
            {"mnuSALink", "クリック時のリンクを表示(&K)"}};
        for (const auto &[name, caption] : viewItemNames)
            row(name, "text", QString::fromUtf8(caption));

        // The colour buttons and the numeric chooser.
        row("CmdColor_0", "labels", "B|R|G|数値から選択⇒|R：|G：|B：");
        for (const char *combo : {"CboNum_0", "CboNum_1", "CboNum_2"})
            row(combo, "items", "00|33|66|99|CC|FF");
        row("CmdSuuti", "text", "選択(&K)");
        row("CmdSuuti", "toolTip", "数値選択した色を適用");
        row("CmdSuuti", "message", "数値を選択してください。", [](MainWindowFixture &) {});

        // The page colour roles and the copy button beside them.
        row("OptCol_0", "frame", "選択した色を反映するオブジェクト");
        row("OptCol_0", "frame tip", "ここで選んだものに、色ボタンの色が入ります");
        const char *roleCaptions[] = {"背景の色",           "テキストの色",
                                      "小ブロックの色",     "未訪問のリンクの色",
                                      "訪問済のリンクの色", "クリック時のリンクの色",
                                      "中ブロックの色",     "オンマウスのリンクの色"};
        for (int k = 0; k < 8; ++k) {
            const QByteArray name = "OptCol_" + QByteArray::number(k);
            row(name.constData(), "text", QString::fromUtf8(roleCaptions[k]));
        }
        row("cmdOK", "text", "クリップボードにコピー(&C)");
        row("cmdOK", "toolTip", "アクティブな色指定値をクリップボードにコピー");

        // The sample lines of the three preview blocks.
        const std::pair<std::array<const char *, 3>, const char *> sampleLines[] = {
            {{"LblText", "LblText1", "LblText2"}, "●このテキストの色がお気に召しましたか？"},
            {{"LblLink", "LblLink1", "LblLink2"}, "●未訪問のリンクの色"},
            {{"LblVlink", "LblVLink1", "LblVlink2"}, "●訪問済のリンクの色"},
            {{"lblHover", "lblHover1", "lblHover2"}, "●オンマウスのリンクの色"},
            {{"LblAlink", "LblALink1", "LblAlink2"}, "●クリック時のリンクの色"}};
        for (const auto &[names, caption] : sampleLines) {
            for (const char *name : names)
                row(name, "text", QString::fromUtf8(caption));
        }

        // The colour files and the remembered colour sets.
        row("Frame3", "title", "色設定ファイルの操作（背景・テキスト）");
        row("Frame8", "title", "色設定ファイルの操作（スクロールバー）");
        row("Frame4", "title", "色設定を一時的に覚えておく（背景・テキスト）");
        row("Frame9", "title", "色設定を一時的に覚えておく（スクロールバー）");
        for (const char *name : {"CmdMem", "CmdMemSC"})
            row(name, "toolTip", "現在のプレビューの色を覚えます");
        for (const char *name : {"CmdForget", "CmdForgetSc"})
            row(name, "toolTip", "アクティブな一時記憶を忘れます");
        const QString prompt =
            QStringLiteral("色設定の簡単な説明を入力して下さい\r\n省略もできます");
        const QString full = QStringLiteral("現在20個の色設定を記憶しています。\r\n"
                                            "これ以上覚えられないので勘弁してください。");
        for (const char *name : {"CmdMem", "CmdMemSC"}) {
            const QString button = QString::fromLatin1(name);
            row(name, "prompt", prompt, [](MainWindowFixture &) {});
            row(name, "message", full,
                [button](MainWindowFixture &f) { clickTimes(f, button, 20); });
        }

        // The body tag.
        row("cmdBody", "frame", "Bodyタグの生成");
        row("Label10", "text", "Bodyタグの中で色を指定する要素にチェックを入れてください。");
        row("chkText", "text", "テキストの色　　　　text");
        row("chkLink", "text", "未訪問のリンク　　　link");
        row("chkVlink", "text", "訪問済のリンク　　　vlink");
        row("chkALink", "text", "クリック時のリンク　alink");
        row("chkBG", "text", "背景　　　　　　　　bgcolor");
        row("cmdBody", "toolTip", "Bodyタグの生成");
        row("Label12", "text", "生成されたBodyタグ");
        row("TxtBody", "toolTip", readOnly);
        row("cmdClipB", "toolTip", copy);

        // The background and text style.
        row("cmdStyle", "frame", "背景・テキスト");
        row("chkStyle", "text", "style=\"\" をつける");
        row("chkSpace", "text", "先頭にスペースをつける");
        row("chkBack", "text", "背景の色を指定する");
        row("chkColor", "text", "テキストの色を指定する");
        row("optDouble", "text", doubleQuote);
        row("optSingle", "text", singleQuote);
        row("optDai", "text", "大ブロックの色");
        row("optTyuu", "text", "中ブロックの色");
        row("optSyou", "text", "小ブロックの色");
        row("PicColorCss", "toolTip", "選択されているブロックの色");
        row("cmdStyle", "toolTip", generate);
        row("Label11", "text", "生成された背景・テキストに関するCSS");
        row("TxtStyle", "toolTip", readOnly);
        row("cmdClipC", "toolTip", copy);

        // The link rules.
        row("cmdLinkCss", "frame", "リンク");
        row("Label16", "text", "Style要素の中で色を指定する擬似クラスにチェックを入れてください。");
        row("chkLinkCss", "text", "未訪問のリンク　　　a:link");
        row("chkVLinkCss", "text", "訪問済のリンク　　　a:viseted");
        row("chkALinkCss", "text", "クリック時のリンク　a:active");
        row("chkHoverCss", "text", "オンマウスのリンク　a:hover");
        row("cmdLinkCss", "toolTip", generate);
        row("Label17", "text", "生成されたリンクに関するCSS");
        row("txtLinkCss", "toolTip", readOnly);
        row("cmdClipLC", "toolTip", copy);

        // The scrollbar rule block and style attribute.
        row("cmdScrY", "frame", "Style要素内での指定");
        row("optBodyY", "text", "Bodyに指定");
        row("optAreaY", "text", "TextAreaに指定");
        row("cmdScrY", "toolTip", generate);
        row("Label18", "text", "生成されたCSS");
        row("txtScrY", "toolTip", readOnly);
        row("cmdScrCripY", "toolTip", copy);
        row("cmdScrZ", "frame", "Style属性で指定");
        row("chkScrTag", "text", "タグも生成する");
        row("optTag_0", "text", "Bodyに指定");
        row("optTag_1", "text", "TextAreaに指定");
        row("lblRows", "text", "行数：");
        row("cmdClearRow", "text", "クリア");
        row("lblCols", "text", "列数：");
        row("cmdClearCol", "text", "クリア");
        row("optDoubleSc", "text", doubleQuote);
        row("optSingleSc", "text", singleQuote);
        row("chkSpaceSc", "text", "先頭にスペースをつける");
        row("chkStyleSc", "text", "style=\"\" をつける");
        row("cmdScrZ", "toolTip", generate);
        row("Label19", "text", "生成されたCSS");
        row("txtScrZ", "toolTip", readOnly);
        row("cmdScrCripZ", "toolTip", copy);
        const Steps textareaTag = [](MainWindowFixture &f) {
            clickTimes(f, "chkScrTag", 1);
            clickTimes(f, "optTag_1", 1);
        };
        row("cmdScrZ", "message", "textareaの行数を入力してください。", textareaTag);
        row("cmdScrZ", "message", "textareaの列数を入力してください。",
            [textareaTag](MainWindowFixture &f) {
                textareaTag(f);
                QTest::keyClicks(f.find<QLineEdit>("txtRows"), QStringLiteral("5"));
            });

        // The version box.
        row("mnuVer>frmAbout", "windowTitle", "Tintmillのﾊﾞｰｼﾞｮﾝ情報");
        row("mnuVer>lblTitle", "text", "Tintmill");
        row("mnuVer>lblVersion", "text",
            QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
                .arg(TINTMILL_VERSION_MAJOR)
                .arg(TINTMILL_VERSION_MINOR)
                .arg(TINTMILL_VERSION_PATCH));
        row("mnuVer>lblDescription", "text", "ｱﾌﾟﾘｹｰｼｮﾝの説明\n色をいろいろ選んでね。");
        row("mnuVer>cmdOK", "text", "OK");

        // The colour files and the overwrite and release dialog.
        const char *fileButtons[][2] = {{"CmdOpen", "cmdOpenSc"},
                                        {"CmdRelease", "CmdReleaseSc"},
                                        {"CmdSave", "CmdSaveSc"},
                                        {"CmdOverW", "CmdOverWSc"}};
        const char *fileTips[] = {"ファイルを開く", "ファイルを解放する", "新規保存する",
                                  "上書き保存する"};
        for (int i = 0; i < 4; ++i) {
            for (const char *name : fileButtons[i])
                row(name, "toolTip", QString::fromUtf8(fileTips[i]));
        }
        for (const char *name : {"Label7", "Label14"})
            row(name, "text", "ファイル名");
        for (const char *name : {"Label8", "Label15"})
            row(name, "text", "説明");
        const Steps none = [](MainWindowFixture &) {
        };
        row("CmdOpen", "dialog", "色設定ファイルを開く|ｶﾗｰﾌｧｲﾙ(*.iro)", none);
        row("cmdOpenSc", "dialog", "色設定ファイルを開く|ｶﾗｰﾌｧｲﾙ(*.scb)", none);
        row("CmdSave", "dialog", "色設定ファイルを保存する|ｶﾗｰﾌｧｲﾙ(*.iro)", none);
        row("CmdSaveSc", "dialog", "色設定ファイルを保存する|ｶﾗｰﾌｧｲﾙ(*.scb)", none);
        row("CmdSave", "prompt", prompt, none);
        for (const char *name : {"CmdOverW", "CmdOverWSc"})
            row(name, "message", "開いているファイルがないので上書きできません", none);
        for (const char *name : {"CmdRelease", "CmdReleaseSc"})
            row(name, "message", "開いているファイルがないので解放できません", none);
        const auto listed = [](const QByteArray &line) {
            return Steps([line](MainWindowFixture &f) {
                const QString path = f.fakes.programDirectory.folder.filePath("a.iro");
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(line) == line.size());
                file.close();
                f.fakes.fileDialog.paths.push_back(path);
                clickTimes(f, "CmdOpen", 1);
            });
        };
        const Steps oneFile = listed("夕方#FFFFFF000000FF00000000000000000000000000FF000000\r\n");
        row("CmdOpen", "message", "このファイルはすでに開いています。",
            [oneFile](MainWindowFixture &f) {
                oneFile(f);
                f.fakes.fileDialog.paths.push_back(
                    f.fakes.programDirectory.folder.filePath("a.iro"));
            });
        row("CmdOpen", "message", "このファイルは「Tintmill」ではつかまえられないファイルです",
            [](MainWindowFixture &f) {
                const QString path = f.fakes.programDirectory.folder.filePath("b.iro");
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("#cccccc\r\n") == 9);
                file.close();
                f.fakes.fileDialog.paths.push_back(path);
            });
        row("CmdOpen", "message",
            "現在20個のファイルを開いています。\r\n"
            "これ以上開けないので、現在開いているファイルを開放してください。",
            [](MainWindowFixture &f) {
                for (int i = 0; i < 20; ++i) {
                    const QString path =
                        f.fakes.programDirectory.folder.filePath(QStringLiteral("%1.iro").arg(i));
                    QFile file(path);
                    QVERIFY(file.open(QIODevice::WriteOnly));
                    file.write("#FFFFFF000000FF00000000000000000000000000FF000000\r\n");
                    file.close();
                    f.fakes.fileDialog.paths.push_back(path);
                    clickTimes(f, "CmdOpen", 1);
                }
            });
        row("CmdOverW>frmOverW", "windowTitle", "ファイルの上書き保存", oneFile);
        row("CmdOverW>Label1", "text", "☆上書き保存したいファイル名をクリックしてください。",
            oneFile);
        row("CmdRelease>frmOverW", "windowTitle", "ファイルの解放", oneFile);
        row("CmdRelease>Label1", "text",
            "☆解放したいファイル名をクリックで選択、再度クリックで選択解除\n"
            "　下の解放ボタンクリックで選択したファイルを解放します。",
            oneFile);
        row("CmdRelease>Label2", "text",
            "☆マウスを当てるとそのファイルの色設定をプレビューで確認できます。", oneFile);
        row("CmdRelease>Label7", "text", "ファイル名", oneFile);
        row("CmdRelease>Label8", "text", "説明", oneFile);
        row("CmdRelease>CmdRelease", "text", "解放(&R)", oneFile);
        row("CmdRelease>CmdCancel", "text", "閉じる(&C)", oneFile);
    }

    void everyTextReadsAsDesigned()
    {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QString, expected);
        QFETCH(Steps, before);

        if (before) {
            MainWindowFixture f;
            before(f);
            if (control.contains(u'>'))
                QCOMPARE(
                    modalText(f, control.section(u'>', 0, 0), control.section(u'>', 1), property),
                    expected);
            else
                QCOMPARE(askedOrToldText(f, control, property), expected);
            return;
        }
        if (!m_window) {
            m_window = std::make_unique<MainWindowFixture>();
            // Made on first use, the panes' texts are there once they are open.
            for (const test::PaneRow &pane : test::panes())
                m_window->find<QAction>(QString::fromLatin1(pane.menuItem))->trigger();
        }
        MainWindowFixture &f = *m_window;
        if (control.contains(u'>')) {
            QCOMPARE(modalText(f, control.section(u'>', 0, 0), control.section(u'>', 1), property),
                     expected);
            return;
        }
        QObject *object = named(f.window.get(), control, property);
        QVERIFY2(object, qPrintable(control));
        QCOMPARE(shownText(object, property), expected);
    }

    void cleanupTestCase() { m_window.reset(); }
};

TINTMILL_TEST_MAIN(TestQuotedTexts)
#include "tst_quotedtexts.moc"
