#include "frmnearest.h"

#include "editor/differencewords.h"
#include "editor/nearestcolor.h"
#include "portalcolorpicker.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/colorswatch.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"
#include "x11screenpicker.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QStringList>

namespace tintmill {

namespace {

// The way of picking that the display server allows, if any.
ScreenColorPicker *screenColorPicker()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return new X11ScreenPicker;
    if (platform.startsWith(QLatin1String("wayland")))
        return new PortalColorPicker(QDBusConnection::sessionBus());
    return nullptr;
}

QString hexText(ColorNumber color)
{
    return QString::fromStdString(cssHexText(color));
}

QIcon swatchIcon(ColorNumber color, QSize size, const QColor &frame)
{
    QPixmap pixmap(size);
    pixmap.fill(toQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(frame);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

FrmNearest::FrmNearest(NearestColor &nearest, QWidget *host)
    : FrmNearest(nearest, screenColorPicker(), host)
{}

FrmNearest::FrmNearest(NearestColor &nearest, ScreenColorPicker *picker, QWidget *host)
    : ToolWindow(host, "frmNearest", QStringLiteral("近いWebセーフ色"), "cmdNearestClose"),
      m_nearest(nearest), m_picker(picker)
{
    // The controls sit where designed on a page of the window's designed
    // size, which scrolls inside the window on a small screen.
    QWidget *content = this->content();
    content->setFixedSize(twips::rect(0, 0, 7260, 5160).size());

    auto *textLabel = label("lblCssColor", QStringLiteral("CSSの色(&I)："), content);
    twips::place(textLabel, 240, 225, 1200, 300);
    m_text = named(new QLineEdit(content), "txtCssColor");
    m_text->setPlaceholderText(QStringLiteral("#1DA1F2、rgb(29 161 242)、steelblue など"));
    twips::place(m_text, 1440, 180, 3600, 375);
    textLabel->setBuddy(m_text);
    m_pick = named(new QPushButton(QStringLiteral("画面から拾う"), content), "cmdPickScreen");
    twips::place(m_pick, 5160, 180, 1860, 375);

    m_note = label("lblCssNote", QString(), content);
    m_note->setWordWrap(true);
    twips::place(m_note, 1440, 585, 5580, 480);

    auto *givenCaption = label("lblGivenCaption", QStringLiteral("指定した色"), content);
    twips::place(givenCaption, 240, 1140, 3300, 270);
    m_givenSwatch = new ColorSwatch(content);
    m_givenSwatch->setObjectName(QStringLiteral("picGiven"));
    m_givenSwatch->setFixedSize(twips::rect(0, 0, 3300, 660).size());
    twips::place(m_givenSwatch, 240, 1440, 3300, 660);
    m_given = label("lblGiven", QString(), content);
    twips::place(m_given, 240, 2130, 3300, 270);

    auto *nearestCaption =
        label("lblNearestCaption", QStringLiteral("いちばん近いWebセーフ色"), content);
    twips::place(nearestCaption, 3720, 1140, 3300, 270);
    m_nearestSwatch = new ColorSwatch(content);
    m_nearestSwatch->setObjectName(QStringLiteral("picNearest"));
    m_nearestSwatch->setFixedSize(twips::rect(0, 0, 3300, 660).size());
    twips::place(m_nearestSwatch, 3720, 1440, 3300, 660);
    m_nearestText = label("lblNearest", QString(), content);
    twips::place(m_nearestText, 3720, 2130, 3300, 270);

    m_difference = label("lblDifference", QString(), content);
    twips::place(m_difference, 240, 2460, 6780, 270);

    auto *frame = named(new QGroupBox(QStringLiteral("適用する色（色差 CIEDE2000）"), content),
                        "FrameNearest");
    twips::place(frame, 240, 2820, 6780, 1680);
    auto *group = new QButtonGroup(this);
    for (int rank = 0; rank < nearestMatchCount; ++rank) {
        QRadioButton *option = optionButton(
            QStringLiteral("optNearest_%1").arg(rank).toLatin1().constData(), QString(), frame);
        option->setIconSize(twips::rect(0, 0, 480, 240).size());
        twips::placeInFrame(option, 120, 240 + 330 * rank, 6540, 300);
        group->addButton(option, rank);
        m_options.at(rank) = option;
    }
    connect(group, &QButtonGroup::idClicked, &m_nearest, &NearestColor::choose);
    connect(&m_nearest, &NearestColor::chosenChanged, this,
            [this](int rank) { m_options.at(rank)->setChecked(true); });

    m_apply = named(new QPushButton(QStringLiteral("適用"), content), "cmdNearestApply");
    m_apply->setToolTip(QStringLiteral("選んだ色を、メインウィンドウで選択中の役割に適用します"
                                       "（その色のボタンを押したのと同じです）"));
    twips::place(m_apply, 4440, 4650, 1200, 375);
    connect(m_apply, &QPushButton::clicked, &m_nearest, &NearestColor::apply);
    twips::place(closeButton(), 5820, 4650, 1200, 375);
    // Enter in the text box applies, so that a pasted colour takes one key;
    // it never starts a pick, which would cover the screen.
    setDefaultButton(m_apply);

    connect(m_text, &QLineEdit::textEdited, &m_nearest, &NearestColor::setText);
    connect(&m_nearest, &NearestColor::changed, this, &FrmNearest::showColor);
    showColor();

    if (m_picker != nullptr) {
        m_picker->setParent(this);
        connect(m_picker, &ScreenColorPicker::availabilityChanged, this, &FrmNearest::showPicker);
        connect(m_picker, &ScreenColorPicker::picked, this, [this](ColorNumber color) {
            showPicker();
            m_nearest.setPicked(color);
            raise();
            activateWindow();
        });
        connect(m_picker, &ScreenColorPicker::cancelled, this, [this](const QString &reason) {
            showPicker();
            if (reason.isEmpty())
                showColor();
            else
                showNote(reason);
        });
        connect(m_pick, &QPushButton::clicked, this, &FrmNearest::startOrCancelPicking);
    }
    showPicker();

    setTabOrder(m_text, m_pick);
    setTabOrder(m_pick, m_options.front());
    setTabOrder(m_options.back(), m_apply);
    setTabOrder(m_apply, closeButton());
}

void FrmNearest::keyPressEvent(QKeyEvent *event)
{
    // Esc first gives up a pick under way, as the button's tool tip says then;
    // only with none does it close the window.
    if (event->matches(QKeySequence::Cancel) && m_picker != nullptr && m_picker->isPicking()) {
        m_picker->cancel();
        return;
    }
    ToolWindow::keyPressEvent(event);
}

// While a pick is under way the button ends it: the desktop may never answer,
// and the user must not be left with a button that does nothing.
void FrmNearest::startOrCancelPicking()
{
    if (m_picker->isPicking()) {
        m_picker->cancel();
        return;
    }
    m_picker->pick();
    showPicker();
    if (m_picker->isPicking())
        showNote(QStringLiteral("画面から色を拾っています…"));
}

void FrmNearest::showColor()
{
    if (m_text->text() != m_nearest.text())
        m_text->setText(m_nearest.text());
    const std::optional<CssColor> &given = m_nearest.given();
    if (!given) {
        showNote(m_nearest.text().trimmed().isEmpty()
                     ? QString()
                     : QStringLiteral("CSSの色として読めません。#RRGGBB、rgb()、hsl()、oklch()、"
                                      "color() などか、色の名前（steelblue など）で書いて"
                                      "ください。"));
    } else {
        QStringList notes;
        if (given->outsideSrgb)
            notes << QStringLiteral("sRGBの外の色なので、CSS Color 4 のやり方で sRGB に"
                                    "収めた色から探しています。");
        if (given->alpha < 1)
            notes << QStringLiteral("透明度（アルファ値）は無視して、不透明な色として探して"
                                    "います。");
        showNote(notes.join(QString()));
    }

    m_givenSwatch->setVisible(given.has_value());
    m_nearestSwatch->setVisible(given.has_value());
    m_apply->setEnabled(given.has_value());
    const QColor frame = palette().color(QPalette::WindowText);
    for (int rank = 0; rank < nearestMatchCount; ++rank) {
        QRadioButton *option = m_options.at(rank);
        option->setEnabled(given.has_value());
        const int index = given ? m_nearest.matches().at(rank).index : -1;
        // A new icon repaints the option even when it shows the same colour.
        if (index != m_optionIndexes.at(rank)) {
            m_optionIndexes.at(rank) = index;
            option->setIcon(given ? swatchIcon(webSafeColor(index), option->iconSize(), frame)
                                  : QIcon());
        }
        option->setText(given ? QStringLiteral("%1　%2").arg(
                                    hexText(webSafeColor(index)),
                                    differenceText(m_nearest.matches().at(rank).distance))
                              : QStringLiteral("—"));
    }
    m_options.at(m_nearest.chosen())->setChecked(true);
    if (!given) {
        m_given->clear();
        m_nearestText->clear();
        m_difference->clear();
        return;
    }
    const WebSafeMatch &nearest = m_nearest.matches().front();
    m_givenSwatch->setColor(given->color);
    m_given->setText(hexText(given->color));
    m_nearestSwatch->setColor(webSafeColor(nearest.index));
    m_nearestText->setText(hexText(webSafeColor(nearest.index)));
    m_difference->setText(QStringLiteral("色差（CIEDE2000）：") + differenceText(nearest.distance));
}

void FrmNearest::showPicker()
{
    const QString reason =
        m_picker != nullptr
            ? m_picker->unavailableReason()
            : QStringLiteral("この画面（%1）では画面を読み取れず、デスクトップのポータルも"
                             "使えないため、画面から色を拾えません。")
                  .arg(QGuiApplication::platformName());
    const bool picking = m_picker != nullptr && m_picker->isPicking();
    m_pick->setEnabled(reason.isEmpty());
    m_pick->setText(picking ? QStringLiteral("拾うのをやめる") : QStringLiteral("画面から拾う"));
    if (picking)
        m_pick->setToolTip(QStringLiteral("画面から色を拾うのをやめます（Esc でも）"));
    else if (reason.isEmpty())
        m_pick->setToolTip(
            QStringLiteral("画面のどこかをクリックして、その色を拾います（Esc で取りやめ）"));
    else
        m_pick->setToolTip(reason);
}

void FrmNearest::showNote(const QString &note)
{
    m_note->setText(note);
}

} // namespace tintmill
