#pragma once

#include "codetextbox.h"
#include "copiedtip.h"
#include "platform/services.h"

#include <QPushButton>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace tintmill {

class Toggle;

// Small makers for the named controls the pages are built from.

template<typename Widget> Widget *named(Widget *widget, const char *objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// A check box that shows and sets `toggle`.
QCheckBox *checkBox(const char *objectName, const QString &caption, Toggle &toggle,
                    QWidget *parent);
// A column of bound check boxes, `step` twips apart, the first at `top`.
struct CheckBoxRow
{
    const char *objectName;
    const char *caption;
    Toggle &toggle;
};
void stackCheckBoxes(std::initializer_list<CheckBoxRow> rows, QWidget *parent, int left, int top,
                     int step);

// The wrapped instruction at the top of a frame.
QLabel *introLabel(const char *objectName, const QString &text, QWidget *frame);

QRadioButton *optionButton(const char *objectName, const QString &caption, QWidget *parent);
QLabel *label(const char *objectName, const QString &text, QWidget *parent);
// Keeps room in `label` for `lines` lines of text, whether it shows a text or
// none, so that a text coming or going moves nothing around it.
void keepLines(QLabel *label, int lines);

// The output corner of a generator: a caption over a read-only code box, and
// the picture buttons that build the code and copy it to the clipboard.
struct CodeOutputNames
{
    const char *build;
    QString buildToolTip;
    const char *copy;
    const char *caption;
    QString captionText;
    const char *box;
};

struct CodeOutput
{
    QPushButton *build;
    QPushButton *copy;
    QLabel *caption;
    CodeTextBox *box;
};

CodeOutput codeOutput(const CodeOutputNames &names, QWidget *parent);

// Lays an output corner out in its frame: the caption above a code box that
// starts at `top`, the build button beside the box and the copy button below it.
void placeCodeOutput(const CodeOutput &output, int top, int boxHeight);

// Connects an output corner to a generator with generate(), text() and
// textChanged(): build on request, show what was built, copy the box's text.
// A generator that can have nothing to build also enables its build button.
template<typename Generator>
void connectCodeOutput(const CodeOutput &output, Generator &generator, Clipboard &clipboard)
{
    if constexpr (requires { &Generator::canGenerateChanged; }) {
        output.build->setEnabled(generator.canGenerate());
        QObject::connect(&generator, &Generator::canGenerateChanged, output.build,
                         &QWidget::setEnabled);
    }
    CodeTextBox *box = output.box;
    QObject::connect(output.build, &QPushButton::clicked, &generator, &Generator::generate);
    QObject::connect(&generator, &Generator::textChanged, box,
                     [box, &generator] { box->showCode(generator.text()); });
    QObject::connect(output.copy, &QPushButton::clicked, &generator,
                     [&clipboard, &generator, copy = output.copy] {
                         clipboard.setText(generator.text());
                         // Nothing built yet leaves the clipboard empty: not worth a word.
                         if (!generator.text().isEmpty())
                             showCopiedTip(copy);
                     });
    box->showCode(generator.text());
}

} // namespace tintmill
