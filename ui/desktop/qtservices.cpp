#include "qtservices.h"

#include "core/product.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tintmill {

QString applicationTitle()
{
    return QString::fromLatin1(product::title);
}

namespace {

// Messages and prompts join their lines with CR LF, as the program's texts
// always have; a label would show the CR as a stray character.
QString shownLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The window the user is in, else `given`.
QWidget *over(QWidget *given)
{
    QWidget *active = QApplication::activeWindow();
    return active != nullptr ? active : given;
}

} // namespace

void QtMessageBox::show(const QString &text, Icon icon)
{
    QMessageBox box(over(m_parent));
    box.setWindowTitle(applicationTitle());
    // A file's name or content quoted in a message is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(shownLines(text));
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMessageBox::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, applicationTitle(), shownLines(text),
                    QMessageBox::Yes | QMessageBox::No, over(m_parent));
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

MessageBox::SaveAnswer QtMessageBox::askToSave(const QString &text, const QString &save,
                                               const QString &discard)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle(), shownLines(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, over(m_parent));
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)->setText(save);
    box.button(QMessageBox::Discard)->setText(discard);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<QString> QtInputBox::getText(const QString &prompt, const QString &text)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        over(m_parent), applicationTitle(), shownLines(prompt), QLineEdit::Normal, text, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

QString QtFileDialog::getOpenFileName(const FileDialogRequest &request)
{
    // Qt's own dialog matches the filter in any letter case, so "SUMMER.IRO"
    // from another system is listed; a desktop's own dialog may not list it.
    return QFileDialog::getOpenFileName(over(m_parent), request.title, request.startDirectory,
                                        request.filter, nullptr, QFileDialog::DontUseNativeDialog);
}

QString QtFileDialog::getSaveFileName(const FileDialogRequest &request)
{
    // The dialog adds the suffix itself, so that it asks before replacing the
    // file that is then written, not the one that was typed.
    QFileDialog dialog(over(m_parent), request.title, request.startDirectory, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void QtClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace tintmill
