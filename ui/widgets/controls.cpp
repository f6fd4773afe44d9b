#include "controls.h"

#include "binding.h"
#include "codetextbox.h"
#include "icons.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace tintmill {

QCheckBox *checkBox(const char *objectName, const QString &caption, Toggle &toggle, QWidget *parent)
{
    auto *box = named(new QCheckBox(caption, parent), objectName);
    bindToggle(box, toggle);
    return box;
}

void stackCheckBoxes(std::initializer_list<CheckBoxRow> rows, QWidget *parent, int left, int top,
                     int step)
{
    for (const CheckBoxRow &row : rows) {
        twips::place(checkBox(row.objectName, QString::fromUtf8(row.caption), row.toggle, parent),
                     left, top, 3900, 300);
        top += step;
    }
}

QLabel *introLabel(const char *objectName, const QString &text, QWidget *frame)
{
    QLabel *intro = label(objectName, text, frame);
    intro->setWordWrap(true);
    twips::place(intro, 240, 360, 5895, 480);
    return intro;
}

QRadioButton *optionButton(const char *objectName, const QString &caption, QWidget *parent)
{
    return named(new QRadioButton(caption, parent), objectName);
}

QLabel *label(const char *objectName, const QString &text, QWidget *parent)
{
    return named(new QLabel(text, parent), objectName);
}

void keepLines(QLabel *label, int lines)
{
    // Measured as a label measures its text: a line of Japanese text is
    // taller than the font's line spacing.
    const QString sample = QStringList(lines, QStringLiteral("あA")).join(u'\n');
    const QMargins margins = label->contentsMargins();
    label->setMinimumHeight(label->fontMetrics()
                                .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                              Qt::AlignLeft | Qt::TextWordWrap, sample)
                                .height() +
                            margins.top() + margins.bottom() + 2 * label->margin());
}

CodeOutput codeOutput(const CodeOutputNames &names, QWidget *parent)
{
    auto *box = new CodeTextBox(QString::fromLatin1(names.box), parent);
    // Left alone, a screen reader names the box after its frame; its own
    // caption says what it holds, and the frame tells two alike apart.
    box->setAccessibleName(names.captionText);
    if (const auto *frame = qobject_cast<QGroupBox *>(parent))
        box->setAccessibleDescription(frame->title());
    return {
        icons::pictureButton(QString::fromLatin1(names.build), icons::generate(),
                             names.buildToolTip, parent),
        icons::pictureButton(QString::fromLatin1(names.copy), icons::copy(),
                             QStringLiteral("クリップボードにコピー"), parent),
        label(names.caption, names.captionText, parent),
        box,
    };
}

} // namespace tintmill

namespace tintmill {

void placeCodeOutput(const CodeOutput &output, int top, int boxHeight)
{
    twips::place(output.caption, 240, top - 300, 4800, 255);
    twips::place(output.box, 240, top, 5280, boxHeight);
    twips::place(output.build, 5640, top, 540, 540);
    twips::place(output.copy, 5640, top + 660, 540, 540);
}

} // namespace tintmill
