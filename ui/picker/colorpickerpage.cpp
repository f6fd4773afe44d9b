#include "colorpickerpage.h"

#include "core/color.h"
#include "editor/colorchooser.h"
#include "platform/services.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tintmill {

namespace {

// The grid is drawn six buttons (the blue steps) to a row, and the rows run
// down through the red bands, green stepping inside each band: the button
// below is always six further on, across band boundaries too. The neighbour
// past an edge is -1.
constexpr int gridColumns = 6;

int neighbourOf(int index, ColorButton::Direction direction)
{
    const int column = index % gridColumns;
    switch (direction) {
    case ColorButton::Direction::Up:
        return index >= gridColumns ? index - gridColumns : -1;
    case ColorButton::Direction::Down:
        return index + gridColumns < webSafeColorCount ? index + gridColumns : -1;
    case ColorButton::Direction::Left:
        return column > 0 ? index - 1 : -1;
    case ColorButton::Direction::Right:
        return column < gridColumns - 1 ? index + 1 : -1;
    }
    return -1;
}

} // namespace

ColorPickerPage::ColorPickerPage(ColorChooser &chooser, MessageBox &messageBox, QWidget *parent)
    : QWidget(parent), m_chooser(chooser), m_messageBox(messageBox)
{
    buildColorButtons();
    buildAxisLabels();
    buildNumericChooser();
}

void ColorPickerPage::buildColorButtons()
{
    for (int index = 0; index < webSafeColorCount; ++index) {
        const int red = index / 36;
        const int green = index / 6 % 6;
        const int blue = index % 6;
        const ColorNumber color = webSafeColor(index);
        const QString caption = QString::fromStdString(captionOf(color));

        auto *button = new ColorButton(color, this);
        button->setObjectName(QStringLiteral("CmdColor_%1").arg(index));
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        // Where the button sits, for those who hear the grid rather than see it.
        button->setAccessibleDescription(
            QStringLiteral("%1行目、%2列目").arg(index / gridColumns + 1).arg(blue + 1));
        // Columns are the blue step; each red step is a band of six green rows.
        twips::placeOnTabPage(button, 705 + 945 * blue, 570 + 1365 * red + 210 * green, 960, 225);
        connect(button, &ColorButton::clicked, this,
                [this, index] { m_chooser.applyColorButton(index); });
        connect(button, &ColorButton::tabbedOnto, this,
                [this, index] { m_chooser.applyColorButton(index, ColorChooser::Gesture::Walk); });
        connect(button, &ColorButton::arrowPressed, this,
                [this, index](ColorButton::Direction direction) {
                    moveOnto(neighbourOf(index, direction), ColorChooser::Gesture::Walk);
                });
        m_buttons.at(index) = button;
    }
}

void ColorPickerPage::buildAxisLabels()
{
    const auto addLabel = [this](const QString &text, int left, int top, int width) {
        auto *label = new QLabel(text, this);
        twips::placeOnTabPage(label, left, top, width, 210);
        return label;
    };
    // "B" sits just below the tab strip, above the columns it names.
    addLabel(QStringLiteral("B"), 720, twips::tabStripHeight, 300);
    addLabel(QStringLiteral("R"), 180, 600, 200);
    addLabel(QStringLiteral("G"), 405, 600, 200);

    const auto addLine = [this](QFrame::Shape shape, int left, int top, int width, int height) {
        auto *line = new QFrame(this);
        line->setFrameShape(shape);
        line->setFrameShadow(QFrame::Plain);
        twips::placeOnTabPage(line, left, top, width, height);
    };
    addLine(QFrame::HLine, 900, twips::tabStripHeight + 60, 5340, 120); // blue axis
    addLine(QFrame::VLine, 240, 840, 120, 7800);                        // red axis, down the bands
    addLine(QFrame::VLine, 465, 840, 120, 1200); // green axis, inside one band
}

void ColorPickerPage::buildNumericChooser()
{
    constexpr int rowTop = 8880;
    auto *intro = new QLabel(QStringLiteral("数値から選択⇒"), this);
    twips::placeOnTabPage(intro, 480, rowTop + 30, 1860, 270);

    const char *axisCaptions[3] = {"R：", "G：", "B："};
    constexpr int labelLefts[3] = {2400, 3360, 4320};
    constexpr int comboLefts[3] = {2640, 3600, 4560};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(QString::fromUtf8(axisCaptions[i]), this);
        twips::placeOnTabPage(label, labelLefts[i], rowTop + 30, 300, 270);

        auto *combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("CboNum_%1").arg(i));
        for (const std::string_view step : WebSafeStep)
            combo->addItem(QString::fromLatin1(step.data(), qsizetype(step.size())));
        combo->setCurrentIndex(-1);
        twips::placeOnTabPage(combo, comboLefts[i], rowTop, 660, 315);
        label->setBuddy(combo);
        m_combos.at(i) = combo;
    }

    auto *choose = new QPushButton(QStringLiteral("選択(&K)"), this);
    choose->setObjectName(QStringLiteral("CmdSuuti"));
    choose->setToolTip(QStringLiteral("数値選択した色を適用"));
    twips::placeOnTabPage(choose, 5400, rowTop, 1005, 315);
    connect(choose, &QPushButton::clicked, this, &ColorPickerPage::chooseByNumbers);
}

void ColorPickerPage::chooseByNumbers()
{
    const NumericChoice choice = numericChoice(
        {m_combos[0]->currentIndex(), m_combos[1]->currentIndex(), m_combos[2]->currentIndex()});
    if (choice.missingCombo) {
        m_messageBox.show(QStringLiteral("数値を選択してください。"), MessageBox::Icon::None);
        m_combos.at(*choice.missingCombo)->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The focus lands on the chosen button, so that the arrows and Tab walk on
    // from it; the colour is applied here, once, to whichever editor is on show.
    moveOnto(choice.buttonIndex, ColorChooser::Gesture::Numbers);
}

void ColorPickerPage::moveOnto(int index, ColorChooser::Gesture gesture)
{
    if (index < 0 || index >= webSafeColorCount)
        return;
    // Not a Tab reason, so the button does not apply the colour a second time.
    m_buttons.at(index)->setFocus(Qt::OtherFocusReason);
    m_chooser.applyColorButton(index, gesture);
}

} // namespace tintmill
