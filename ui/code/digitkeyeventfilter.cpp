#include "digitkeyeventfilter.h"

#include "codegen/digitkeyfilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tintmill {

namespace {

class DigitKeyEventFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (!box)
            return false;
        const DigitKeyDecision decision =
            DigitKeyFilter(legacyKeyCode(*static_cast<QKeyEvent *>(event)), box->text());
        if (decision.clearFirst)
            box->clear();
        box->setReadOnly(!decision.editable);
        return false;
    }
};

} // namespace

int legacyKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
        return (keypad ? keycode::keypad0 : keycode::digit0) + (key - Qt::Key_0);
    }
    if (key == Qt::Key_Backspace)
        return keycode::backspace;
    if (key == Qt::Key_Delete)
        return keycode::deleteKey;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return keycode::letterA + (key - Qt::Key_A);
    return -1;
}

void installDigitKeyFilter(QLineEdit *box)
{
    box->installEventFilter(new DigitKeyEventFilter(box));
    // Text that arrives without a key press (paste with the mouse, drag and
    // drop, an input method) must still be digits only.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setInputMethodHints(Qt::ImhDigitsOnly);
}

} // namespace tintmill
