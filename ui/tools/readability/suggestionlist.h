#pragma once

#include "core/readability.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace tintmill {

class ColorSwatch;

// One row per sample line: its colour now and, where the line falls short of
// AA on a block that shows it, the nearest web-safe colour that would pass
// (or, where no text colour can, a background for the block), said which of
// the two it is, with a button that applies it. The rows stay in place whatever the report
// says, so that a change repaints their contents, not the window.
class SuggestionList : public QWidget
{
    Q_OBJECT

public:
    explicit SuggestionList(QWidget *parent = nullptr);

    void showReport(const ReadabilityInput &input, const ReadabilityReport &report);

signals:
    void applyRequested(int line);

private:
    struct Row
    {
        QLabel *name;
        ColorSwatch *current;
        QLabel *currentText;
        QLabel *arrow;
        ColorSwatch *suggested;
        QLabel *suggestion;
        QPushButton *apply;
    };

    std::array<Row, sampleLineCount> m_rows{};
};

} // namespace tintmill
