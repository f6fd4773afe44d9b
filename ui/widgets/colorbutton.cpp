#include "colorbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace tintmill {

namespace {

// The widget that held the focus before the change now being made. Qt
// announces the focus change (focusChanged) only after the focus-in event,
// so during a button's focus-in this is still the widget the focus came from.
class PreviousFocus : public QObject
{
public:
    static QWidget *widget()
    {
        const PreviousFocus *tracker = find();
        return tracker != nullptr ? tracker->m_widget.data() : nullptr;
    }
    // Once per application; the buttons start it as they are made.
    static void follow()
    {
        if (find() == nullptr)
            new PreviousFocus;
    }

private:
    static PreviousFocus *find()
    {
        return dynamic_cast<PreviousFocus *>(
            qApp->findChild<QObject *>(name(), Qt::FindDirectChildrenOnly));
    }
    static QString name() { return QStringLiteral("tintmillPreviousFocus"); }

    PreviousFocus() : QObject(qApp)
    {
        setObjectName(name());
        m_widget = QApplication::focusWidget();
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget * /*old*/, QWidget *now) { m_widget = now; });
    }

    QPointer<QWidget> m_widget;
};

} // namespace

QColor toQColor(ColorNumber color)
{
    return {static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
            static_cast<int>((color >> 16U) & 0xFFU)};
}

ColorButton::ColorButton(ColorNumber color, QWidget *parent)
    : QAbstractButton(parent), m_color(color)
{
    setFocusPolicy(Qt::StrongFocus);
    PreviousFocus::follow();
}

void ColorButton::setColor(ColorNumber color)
{
    m_color = color;
    update();
}

void ColorButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), toQColor(m_color));
    painter.setPen(isDown() ? palette().color(QPalette::Dark) : palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (hasFocus()) {
        // A contrasting dashed frame shows which colour the keyboard is on,
        // on light and dark colours alike.
        const QColor fill = toQColor(m_color);
        QPen pen(fill.lightness() > 128 ? Qt::black : Qt::white);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(frame.adjusted(2, 2, -2, -2));
    }
}

void ColorButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    // A click applies through clicked(); every other reason (a page shown, a
    // pop-up or dialog closed, the window activated) is the toolkit's, not
    // the user's. The toolkit says "Tab" too when it moves the focus on from
    // a control that was just hidden (an editor page put away under the
    // focus, as undoing does): only a Tab from a control still on show is
    // the user's key.
    const Qt::FocusReason reason = event->reason();
    const QWidget *from = PreviousFocus::widget();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && from != nullptr &&
        from->isVisible())
        emit tabbedOnto();
}

void ColorButton::keyPressEvent(QKeyEvent *event)
{
    // The arrows move across the grid as it is drawn, not along the tab
    // order; the page knows the grid.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            emit arrowPressed(Direction::Up);
            return;
        case Qt::Key_Down:
            emit arrowPressed(Direction::Down);
            return;
        case Qt::Key_Left:
            emit arrowPressed(Direction::Left);
            return;
        case Qt::Key_Right:
            emit arrowPressed(Direction::Right);
            return;
        default:
            break;
        }
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tintmill
