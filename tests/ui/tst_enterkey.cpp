#include "support/colorfilewindow.h"
#include "support/testmain.h"
#include "support/userclicks.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace tintmill;
using test::ColorFileWindow;

namespace {

// What a press of Enter did, in a word or two: "applied #RRGGBB" (the text
// colour now), "copied", "asked for a file", "closed", or "nothing".
struct Outcome
{
    const ColorFileWindow &w;
    QString textColour = w.find<QLabel>("LblCol_1")->text();
    int copies = w.fakes.clipboard.setCount;
    qsizetype dialogs = w.fakes.fileDialog.requests.size();

    [[nodiscard]] QString after(bool stillOpen) const
    {
        QStringList did;
        const QString colour = w.find<QLabel>("LblCol_1")->text();
        if (colour != textColour)
            did << QStringLiteral("applied ") + colour;
        if (w.fakes.clipboard.setCount != copies)
            did << QStringLiteral("copied");
        if (w.fakes.fileDialog.requests.size() != dialogs)
            did << QStringLiteral("asked for a file");
        if (!stillOpen)
            did << QStringLiteral("closed");
        return did.isEmpty() ? QStringLiteral("nothing") : did.join(QStringLiteral(", "));
    }
};

void pressEnterIn(QWidget *control)
{
    control->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(control->window()));
    control->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control, Qt::Key_Return);
}

} // namespace

class TestEnterKey : public QObject
{
    Q_OBJECT

private slots:
    void enterDoesWhatTheWindowIsFor_data()
    {
        QTest::addColumn<QString>("opener"); // a menu item, or a button of the main window
        QTest::addColumn<QString>("before"); // a control of the main window clicked first
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("did");

        // 適用 is the window's default: a pasted colour takes one key.
        QTest::newRow("nearest colour, a colour typed") << "mnuNearest"
                                                        << "OptCol_1"
                                                        << "txtCssColor"
                                                        << "#1da1f2"
                                                        << "applied #0099FF";
        QTest::newRow("nearest colour, not a colour") << "mnuNearest"
                                                      << "OptCol_1"
                                                      << "txtCssColor"
                                                      << "#12345"
                                                      << "nothing";
        // The other tool windows have no default: Enter in them must not
        // copy, save, close or change a colour.
        QTest::newRow("readability check") << "mnuReadability"
                                           << ""
                                           << "grdContrast"
                                           << ""
                                           << "nothing";
        QTest::newRow("scrollbar CSS, something to copy") << "mnuModernScrollbar"
                                                          << "chkScr_1"
                                                          << "optModernTarget_0"
                                                          << ""
                                                          << "nothing";
        QTest::newRow("export") << "mnuExport"
                                << ""
                                << "cboExportFormat"
                                << ""
                                << "nothing";
        // The dialogs: the version box closes on its OK, the overwrite and
        // release dialog leaves releasing to a deliberate press.
        QTest::newRow("version box") << "mnuVer"
                                     << ""
                                     << ""
                                     << ""
                                     << "closed";
        QTest::newRow("overwrite and release dialog") << "CmdOverW"
                                                      << ""
                                                      << ""
                                                      << ""
                                                      << "nothing";
    }

    void enterDoesWhatTheWindowIsFor()
    {
        QFETCH(QString, opener);
        QFETCH(QString, before);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        ColorFileWindow w;
        w.press("CmdOpen", w.pageFile(QStringLiteral("a.iro"), "a"));
        if (!before.isEmpty())
            test::clickControl(w.find<QWidget>(before));
        const Outcome outcome{w};
        QString did = QStringLiteral("(not pressed)");

        // A modal dialog is run by the window or by exec(); Enter goes to it
        // while it is up.
        const auto pressInDialog = [&](QWidget *dialog) {
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            QWidget *focused = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
            QTest::keyClick(focused, Qt::Key_Return);
            did = outcome.after(dialog->isVisible());
            dialog->close();
        };
        w.window->setRunDialog([&](QDialog &dialog) {
            dialog.show();
            pressInDialog(&dialog);
        });
        if (opener == QLatin1String("mnuVer"))
            QTimer::singleShot(0, w.window.get(),
                               [&] { pressInDialog(QApplication::activeModalWidget()); });

        if (auto *item = w.find<QAction>(opener))
            item->trigger();
        else
            w.press(opener.toLatin1().constData());
        if (!control.isEmpty()) {
            auto *inTool = w.find<QWidget>(control);
            QVERIFY(inTool);
            if (!typed.isEmpty())
                QTest::keyClicks(inTool, typed);
            pressEnterIn(inTool);
            did = outcome.after(inTool->window()->isVisible());
        }
        QTEST(did, "did");
    }
};

TINTMILL_TEST_MAIN(TestEnterKey)
#include "tst_enterkey.moc"
