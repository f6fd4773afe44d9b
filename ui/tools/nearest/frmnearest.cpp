#include "frmnearest.h"

#include "colorset/colortext.h"
#include "editor/csscolorrefusaltext.h"
#include "editor/differencewords.h"
#include "editor/nearestcolor.h"
#include "editor/nearesttexts.h"
#include "portalcolorpicker.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/colorswatch.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/reflowlayout.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/wrappinglabel.h"
#include "x11screenpicker.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
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

FrmNearest::FrmNearest(NearestColor &nearest, QWidget *parent)
    : FrmNearest(nearest, screenColorPicker(), parent)
{}

FrmNearest::FrmNearest(NearestColor &nearest, ScreenColorPicker *picker, QWidget *parent)
    : Pane("frmNearest", parent), m_nearest(nearest), m_picker(picker)
{
    // The text box and the picking button, then the two colours, side by
    // side where there is room, else one under the other.
    QWidget *content = this->content();
    setSpacing(QMargins(twips::toPixels(240), twips::toPixels(180), twips::toPixels(240),
                        twips::toPixels(135)),
               twips::toPixels(90));

    auto *textLabel = label("lblCssColor", QStringLiteral("CSSの色(&I)："), content);
    textLabel->setMinimumWidth(twips::toPixels(1200));
    m_text = named(new QLineEdit(content), "txtCssColor");
    m_text->setPlaceholderText(QStringLiteral("#1DA1F2、rgb(29 161 242)、steelblue など"));
    // Wide enough that the examples show whole.
    const QFontMetrics metrics(m_text->font());
    m_text->setMinimumWidth(metrics.horizontalAdvance(m_text->placeholderText()) +
                            metrics.horizontalAdvance(QStringLiteral("MM")));
    textLabel->setBuddy(m_text);
    m_pick = named(new QPushButton(QStringLiteral("画面から拾う"), content), "cmdPickScreen");
    m_pick->setMinimumWidth(twips::toPixels(1860));
    m_note = new WrappingLabel(QString(), content);
    m_note->setObjectName(QStringLiteral("lblCssNote"));
    // Two lines kept, so that a note coming or going moves nothing below.
    keepLines(m_note, 2);
    auto *given = new QHBoxLayout;
    given->setSpacing(0);
    given->addWidget(textLabel);
    given->addWidget(m_text);
    auto *top = new ReflowLayout;
    top->addLayout(given, 0);
    top->addWidget(m_pick, 1, Qt::AlignLeft);
    auto *noteRow = new QHBoxLayout;
    noteRow->addSpacing(textLabel->minimumWidth());
    noteRow->addWidget(m_note);

    const auto colorColumn = [content](const char *captionName, const QString &caption,
                                       ColorSwatch *swatch, const char *swatchName, QLabel *&text,
                                       const char *textName) {
        auto *column = new QVBoxLayout;
        column->setSpacing(twips::toPixels(30));
        column->addWidget(label(captionName, caption, content));
        swatch->setObjectName(QString::fromLatin1(swatchName));
        swatch->setFixedSize(twips::rect(0, 0, 3300, 660).size());
        // Hidden while there is no colour, it keeps its place.
        QSizePolicy policy = swatch->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        swatch->setSizePolicy(policy);
        column->addWidget(swatch);
        text = label(textName, QString(), content);
        keepLines(text, 1);
        column->addWidget(text);
        return column;
    };
    m_givenSwatch = new ColorSwatch(content);
    m_nearestSwatch = new ColorSwatch(content);
    auto *colors = new ReflowLayout;
    colors->setSpacing(twips::toPixels(180));
    colors->addLayout(colorColumn("lblGivenCaption", QStringLiteral("指定した色"), m_givenSwatch,
                                  "picGiven", m_given, "lblGiven"),
                      0);
    colors->addLayout(colorColumn("lblNearestCaption", QStringLiteral("いちばん近いWebセーフ色"),
                                  m_nearestSwatch, "picNearest", m_nearestText, "lblNearest"),
                      1);

    m_difference = label("lblDifference", QString(), content);
    keepLines(m_difference, 1);

    auto *frame = named(new QGroupBox(QStringLiteral("適用する色（色差 CIEDE2000）"), content),
                        "FrameNearest");
    auto *choices = new QVBoxLayout(frame);
    choices->setContentsMargins(twips::toPixels(120), twips::toPixels(30), twips::toPixels(120),
                                twips::toPixels(45));
    choices->setSpacing(twips::toPixels(30));
    auto *group = new QButtonGroup(this);
    for (int rank = 0; rank < nearestMatchCount; ++rank) {
        QRadioButton *option = optionButton(
            QStringLiteral("optNearest_%1").arg(rank).toLatin1().constData(), QString(), frame);
        option->setIconSize(twips::rect(0, 0, 480, 240).size());
        choices->addWidget(option);
        group->addButton(option, rank);
        m_options.at(rank) = option;
    }

    body()->addLayout(top);
    body()->addLayout(noteRow);
    body()->addLayout(colors);
    body()->addWidget(m_difference);
    body()->addWidget(frame);
    connect(group, &QButtonGroup::idClicked, &m_nearest, &NearestColor::choose);
    connect(&m_nearest, &NearestColor::chosenChanged, this,
            [this](int rank) { m_options.at(rank)->setChecked(true); });

    m_apply = named(new QPushButton(QStringLiteral("適用"), content), "cmdNearestApply");
    m_apply->setToolTip(QStringLiteral("選んだ色を、メインウィンドウで選択中の役割に適用します"
                                       "（その色のボタンを押したのと同じです）"));
    addFootButton(m_apply, Qt::AlignRight);
    connect(m_apply, &QPushButton::clicked, &m_nearest, &NearestColor::apply);
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
            // The same colour as the box's changes nothing there, yet the
            // picking note must go.
            showColor();
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
    // only with none does it close a floating pane.
    if (event->matches(QKeySequence::Cancel) && m_picker != nullptr && m_picker->isPicking()) {
        m_picker->cancel();
        return;
    }
    Pane::keyPressEvent(event);
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
        showNote(cssColorRefusalText(m_nearest.refusal()));
    } else {
        showNote(givenColorNotes(*given).join(QString()));
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
                                    rrggbbText(webSafeColor(index)),
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
    m_given->setText(rrggbbText(given->color));
    m_nearestSwatch->setColor(webSafeColor(nearest.index));
    m_nearestText->setText(rrggbbText(webSafeColor(nearest.index)));
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
