#include "codetextbox.h"

#include "fonts.h"

namespace tintmill {

CodeTextBox::CodeTextBox(const QString &objectName, QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setToolTip(QStringLiteral("直接入力・編集はできません"));
    setFont(fonts::gothic(9));
}

void CodeTextBox::showCode(const QString &code)
{
    // The document would take CR and LF for two line breaks each.
    QString shown = code;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

} // namespace tintmill
