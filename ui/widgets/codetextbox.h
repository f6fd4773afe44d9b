#pragma once

#include <QPlainTextEdit>

namespace tintmill {

// A read-only box that shows generated code. It can take the keyboard focus so
// that the code can be selected and read without the mouse; Tab moves on.
class CodeTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    CodeTextBox(const QString &objectName, QWidget *parent = nullptr);

    // Shows `code`, whose lines may end in CR LF.
    void showCode(const QString &code);
};

} // namespace tintmill
