#include "support/testmain.h"
#include "ui/desktop/qtservices.h"
#include "ui/desktop/toolkittranslations.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

using namespace tintmill;

namespace {

// Runs `lookAndAnswer` on the modal box that `open` brings up, once it is up;
// it must close the box.
void whileModal(const std::function<void(QWidget *)> &lookAndAnswer,
                const std::function<void()> &open)
{
    bool seen = false;
    QTimer::singleShot(0, qApp, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        seen = true;
        lookAndAnswer(box);
    });
    open();
    QVERIFY(seen);
}

} // namespace

// The Qt services, all given the main window.
struct DialogServices
{
    QtMessageBox messages;
    QtInputBox input;
    QtFileDialog files;
};
using Ask = std::function<void(DialogServices &)>;

Q_DECLARE_METATYPE(tintmill::MessageBox::Icon)
Q_DECLARE_METATYPE(tintmill::MessageBox::SaveAnswer)
Q_DECLARE_METATYPE(Ask)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestQtServices : public QObject
{
    Q_OBJECT

private slots:
    void messagesCarryTheTitleTheirIconAndOk_data()
    {
        QTest::addColumn<MessageBox::Icon>("icon");
        QTest::addColumn<int>("shownIcon");
        QTest::newRow("none") << MessageBox::Icon::None << int(QMessageBox::NoIcon);
        QTest::newRow("information")
            << MessageBox::Icon::Information << int(QMessageBox::Information);
        QTest::newRow("exclamation") << MessageBox::Icon::Exclamation << int(QMessageBox::Warning);
    }

    void messagesCarryTheTitleTheirIconAndOk()
    {
        QFETCH(MessageBox::Icon, icon);
        QFETCH(int, shownIcon);
        QtMessageBox messages;
        whileModal(
            [&](QWidget *widget) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("Tintmill"));
                // CR LF is one line break, not a stray character.
                QCOMPARE(box->text(), QStringLiteral("一行目\n二行目"));
                QCOMPARE(int(box->icon()), shownIcon);
                QCOMPARE(box->standardButtons(), QMessageBox::Ok);
                QTest::keyClick(box, Qt::Key_Return);
            },
            [&] { messages.show(QStringLiteral("一行目\r\n二行目"), icon); });
    }

    void questionsAnswerYesOnlyForYes_data()
    {
        QTest::addColumn<int>("button"); // 0: closed with Escape
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
        QTest::newRow("escape") << 0 << false;
    }

    void questionsAnswerYesOnlyForYes()
    {
        QFETCH(int, button);
        QFETCH(bool, answer);
        QtMessageBox messages;
        bool answered = !answer;
        whileModal(
            [button](QWidget *widget) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("Tintmill"));
                QCOMPARE(box->text(), QStringLiteral("上書きしますか？\n戻せません"));
                QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                if (button == 0)
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    box->button(static_cast<QMessageBox::StandardButton>(button))->click();
            },
            [&] {
                answered = messages.askYesNo(QStringLiteral("上書きしますか？\r\n戻せません"));
            });
        QCOMPARE(answered, answer);
    }

    // Return takes the first button, as it is the one the question offers.
    void questionsBeforeALossAnswerByTheirButton_data()
    {
        QTest::addColumn<int>("button"); // 0: Escape, 1: Return
        QTest::addColumn<MessageBox::SaveAnswer>("answer");
        QTest::newRow("save") << int(QMessageBox::Save) << MessageBox::SaveAnswer::Save;
        QTest::newRow("discard") << int(QMessageBox::Discard) << MessageBox::SaveAnswer::Discard;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << MessageBox::SaveAnswer::Cancel;
        QTest::newRow("escape") << 0 << MessageBox::SaveAnswer::Cancel;
        QTest::newRow("return") << 1 << MessageBox::SaveAnswer::Save;
    }

    void questionsBeforeALossAnswerByTheirButton()
    {
        QFETCH(int, button);
        QFETCH(MessageBox::SaveAnswer, answer);
        QtMessageBox messages;
        std::optional<MessageBox::SaveAnswer> answered;
        whileModal(
            [button](QWidget *widget) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("Tintmill"));
                QCOMPARE(box->text(), QStringLiteral("<b>失われます</b>\n書き出しますか？"));
                QCOMPARE(box->textFormat(), Qt::PlainText);
                QCOMPARE(box->button(QMessageBox::Save)->text(), QStringLiteral("書き出す(&S)"));
                QCOMPARE(box->button(QMessageBox::Discard)->text(),
                         QStringLiteral("書き出さない(&D)"));
                if (button == 0)
                    QTest::keyClick(box, Qt::Key_Escape);
                else if (button == 1)
                    QTest::keyClick(box, Qt::Key_Return);
                else
                    box->button(static_cast<QMessageBox::StandardButton>(button))->click();
            },
            [&] {
                answered = messages.askToSave(
                    QStringLiteral("<b>失われます</b>\r\n書き出しますか？"),
                    QStringLiteral("書き出す(&S)"), QStringLiteral("書き出さない(&D)"));
            });
        QCOMPARE(answered, answer);
    }

    void inputBoxGivesTheTextOrNothingWhenCancelled_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("key");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("typed and accepted")
            << QString() << int(Qt::Key_Return) << std::optional<QString>("ab");
        QTest::newRow("cancelled") << QString() << int(Qt::Key_Escape) << std::optional<QString>();
        QTest::newRow("asked again, holding the refused answer")
            << QStringLiteral("夏#1") << int(Qt::Key_Return) << std::optional<QString>("ab");
    }

    void inputBoxGivesTheTextOrNothingWhenCancelled()
    {
        QFETCH(QString, shown);
        QFETCH(int, key);
        QFETCH(std::optional<QString>, answer);
        QtInputBox input;
        std::optional<QString> given = QStringLiteral("not asked");
        whileModal(
            [&](QWidget *widget) {
                auto *box = qobject_cast<QInputDialog *>(widget);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("Tintmill"));
                QCOMPARE(box->labelText(), QStringLiteral("説明\n省略もできます"));
                QCOMPARE(box->textValue(), shown);
                box->setTextValue(QStringLiteral("ab"));
                QTest::keyClick(box, static_cast<Qt::Key>(key));
            },
            [&] { given = input.getText(QStringLiteral("説明\r\n省略もできます"), shown); });
        QCOMPARE(given, answer);
    }

    void savingAddsTheSuffixOnlyToANameWithoutExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("suffixedExists");
        QTest::addColumn<QString>("saved");
        QTest::newRow("page colours") << "yellow"
                                      << "iro" << false << "yellow.iro";
        QTest::newRow("scrollbar colours") << "夏の色"
                                           << "scb" << false << "夏の色.scb";
        QTest::newRow("other extension kept") << "yellow.txt"
                                              << "iro" << false << "yellow.txt";
        QTest::newRow("other kind's extension kept") << "yellow.scb"
                                                     << "iro" << false << "yellow.scb";
        QTest::newRow("own extension not doubled") << "yellow.iro"
                                                   << "iro" << false << "yellow.iro";
        // The question names the file that is then replaced.
        QTest::newRow("suffixed file exists: asked about it") << "yellow"
                                                              << "iro" << true << "yellow.iro";
    }

    void savingAddsTheSuffixOnlyToANameWithoutExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, suffix);
        QFETCH(bool, suffixedExists);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        if (suffixedExists) {
            QFile existing(folder.filePath(saved));
            QVERIFY(existing.open(QIODevice::WriteOnly));
        }
        QtFileDialog files;
        QString chosen = QStringLiteral("not asked");
        QString asked;
        whileModal(
            [&](QWidget *widget) {
                auto *dialog = qobject_cast<QFileDialog *>(widget);
                QVERIFY(dialog);
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(typed);
                QTimer::singleShot(0, qApp, [&] {
                    if (auto *box =
                            qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                        asked = box->text();
                        box->button(QMessageBox::Yes)->click();
                    }
                });
                // QFileDialog's own accept(), as its Save button calls it.
                static_cast<QDialog *>(dialog)->accept();
            },
            [&] {
                chosen = files.getSaveFileName({QStringLiteral("色設定ファイルを保存する"),
                                                QStringLiteral("ｶﾗｰﾌｧｲﾙ(*.%1)").arg(suffix),
                                                folder.path(), suffix});
            });
        QCOMPARE(chosen, folder.filePath(saved));
        QCOMPARE(asked.contains(saved), suffixedExists);
    }

    // Files made on other systems often carry ".IRO".
    void openDialogListsColourFilesInAnyLetterCase()
    {
        QTemporaryDir folder;
        for (const char *name : {"A.IRO", "b.iro", "c.Iro", "d.txt", "e.scb"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QtFileDialog files;
        QStringList listed;
        whileModal(
            [&](QWidget *widget) {
                auto *dialog = qobject_cast<QFileDialog *>(widget);
                QVERIFY(dialog);
                // Qt's own dialog, also on a desktop whose own dialog (GTK's)
                // would match the pattern in its letter case only.
                QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
                auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
                QVERIFY(view);
                const auto names = [view] {
                    QStringList shown;
                    const QModelIndex root = view->rootIndex();
                    for (int row = 0; row < view->model()->rowCount(root); ++row) {
                        if (!view->isRowHidden(row))
                            shown << view->model()->index(row, 0, root).data().toString();
                    }
                    shown.sort(Qt::CaseInsensitive);
                    return shown.join(u' ');
                };
                QTRY_COMPARE(names(), QStringLiteral("A.IRO b.iro c.Iro"));
                listed = names().split(u' ');
                dialog->reject();
            },
            [&] {
                files.getOpenFileName({QStringLiteral("色設定ファイルを開く"),
                                       QStringLiteral("ｶﾗｰﾌｧｲﾙ(*.iro)"), folder.path()});
            });
        QCOMPARE(listed.size(), 3);
    }

    // Asked from a window of its own, such as a floating pane (書き出し's
    // 保存…), a dialog opens over it, not over the main window behind it.
    void dialogsOpenOverTheWindowTheUserIsIn_data()
    {
        QTest::addColumn<Ask>("ask");
        const FileDialogRequest request{QStringLiteral("保存"), QStringLiteral("(*.css)"),
                                        QDir::tempPath()};
        QTest::newRow("message") << Ask([](DialogServices &s) {
            s.messages.show(QStringLiteral("保存できませんでした。"),
                            MessageBox::Icon::Exclamation);
        });
        QTest::newRow("question") << Ask(
            [](DialogServices &s) { s.messages.askYesNo(QStringLiteral("上書きしますか？")); });
        QTest::newRow("input box")
            << Ask([](DialogServices &s) { s.input.getText(QStringLiteral("説明"), QString()); });
        QTest::newRow("open dialog")
            << Ask([request](DialogServices &s) { s.files.getOpenFileName(request); });
        QTest::newRow("save dialog")
            << Ask([request](DialogServices &s) { s.files.getSaveFileName(request); });
    }

    void dialogsOpenOverTheWindowTheUserIsIn()
    {
        QFETCH(Ask, ask);
        QWidget main;
        QDialog tool(&main, Qt::Tool);
        main.show();
        tool.show();
        tool.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tool));
        DialogServices services{QtMessageBox(&main), QtInputBox(&main), QtFileDialog(&main)};
        QWidget *over = nullptr;
        whileModal(
            [&over](QWidget *box) {
                over = box->parentWidget();
                box->close();
            },
            [&] { ask(services); });
        QCOMPARE(over, &tool);
    }

    void toolkitTextsAreJapanese()
    {
        ToolkitTranslations translations;
        QVERIFY(translations.installed());
        QMessageBox question(QMessageBox::Question, QString(), QString(),
                             QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
        QInputDialog input;
        input.show();
        QCOMPARE(input.cancelButtonText(), QStringLiteral("キャンセル"));
        input.hide();
        QFileDialog save(nullptr, QString(), QString(), QStringLiteral("ｶﾗｰﾌｧｲﾙ(*.iro)"));
        save.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(save.findChild<QLabel *>(QStringLiteral("fileNameLabel"))->text(),
                 QStringLiteral("ファイル名(&N):"));
        QCOMPARE(save.findChild<QLabel *>(QStringLiteral("fileTypeLabel"))->text(),
                 QStringLiteral("ファイルの種類:"));
        QCOMPARE(save.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->text(),
                 QStringLiteral("保存(&S)"));
    }

    void clipboardTakesThePlainTextWhole()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        auto *rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>old</b>"));
        clipboard->setMimeData(rich);

        QtClipboard ours;
        ours.setText(QStringLiteral("a:link{color:#0000FF}\r\n"));
        QCOMPARE(clipboard->text(), QStringLiteral("a:link{color:#0000FF}\r\n"));
        QVERIFY(!clipboard->mimeData()->hasHtml());
    }
};

TINTMILL_TEST_MAIN(TestQtServices)
#include "tst_qtservices.moc"
