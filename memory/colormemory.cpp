#include "colormemory.h"

#include "platform/services.h"

namespace tintmill {

namespace {

const QString fullMessage = QStringLiteral("現在20個の色設定を記憶しています。\r\n"
                                           "これ以上覚えられないので勘弁してください。");
const QString descriptionPrompt =
    QStringLiteral("色設定の簡単な説明を入力して下さい\r\n省略もできます");

} // namespace

ColorMemory::ColorMemory(MessageBox &messageBox, InputBox &inputBox, QObject *parent)
    : QObject(parent), m_messageBox(messageBox), m_inputBox(inputBox)
{}

void ColorMemory::remember()
{
    showEditor();
    if (m_store.isFull()) {
        m_messageBox.show(fullMessage, MessageBox::Icon::Information);
        return;
    }
    // Cancelling is not a refusal: the set is remembered under a default name.
    const QString answer = m_inputBox.getText(descriptionPrompt).value_or(QString());
    if (m_store.MemMem(currentSet(), answer))
        emit rowChosen();
}

void ColorMemory::clickRow(int row)
{
    if (!m_store.MemFlag() || row < 0 || row >= m_store.entryCount())
        return;
    showEditor();
    applyEntry(m_store.entry(row));
    m_store.choose(row);
    emit rowChosen();
    rowApplied();
}

void ColorMemory::forget()
{
    showEditor();
    m_store.forgetChosen();
}

} // namespace tintmill
