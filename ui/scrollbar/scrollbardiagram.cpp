#include "scrollbardiagram.h"

#include <QMouseEvent>
#include <QPainter>

namespace tintmill {

namespace {

// The drawing is a scrollbar magnified three times: every edge three pixels.
constexpr int bevel = 3;
const QRect thumbRect(14, 4, 48, 72);
const QRect trackRect(14, 76, 48, 42);
const QRect buttonRect(14, 118, 48, 48);
const QRect braceRect(14, 169, 48, 9);
const QRect arrowRect(27, 136, 22, 11);

// A classic grey scrollbar, with every edge colour distinct so that each edge
// can be seen.
const QColor faceColor(0xD4, 0xD0, 0xC8);
const QColor lightColor(0xEC, 0xEA, 0xE4);
const QColor highlightColor(Qt::white);
const QColor shadowColor(0x80, 0x80, 0x80);
const QColor darkShadowColor(0x40, 0x40, 0x40);
const QColor arrowColor(Qt::black);

void paintRaised(QPainter &painter, const QRect &part)
{
    const auto band = [&painter, &part](int inset, const QColor &topLeft,
                                        const QColor &bottomRight) {
        const QRect r = part.adjusted(inset, inset, -inset, -inset);
        painter.fillRect(r, bottomRight);
        painter.fillRect(QRect(r.left(), r.top(), r.width() - bevel, bevel), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), bevel, r.height() - bevel), topLeft);
    };
    band(0, lightColor, darkShadowColor);
    band(bevel, highlightColor, shadowColor);
    painter.fillRect(part.adjusted(2 * bevel, 2 * bevel, -2 * bevel, -2 * bevel), faceColor);
}

// Which edge or the face of a raised part `position` is on.
std::optional<ScrRole> raisedPartRole(const QRect &part, const QPoint &position)
{
    if (!part.contains(position))
        return std::nullopt;
    const int towardsLight = std::min(position.x() - part.left(), position.y() - part.top());
    const int towardsShadow = std::min(part.right() - position.x(), part.bottom() - position.y());
    const int nearest = std::min(towardsLight, towardsShadow);
    const bool lightSide = towardsLight <= towardsShadow;
    if (nearest < bevel)
        return lightSide ? ScrRole::Scr3dLight : ScrRole::ScrDarkShadow;
    if (nearest < 2 * bevel)
        return lightSide ? ScrRole::ScrHighlight : ScrRole::ScrShadow;
    return ScrRole::ScrFace;
}

} // namespace

ScrollbarDiagram::ScrollbarDiagram(const std::array<int, scrollbarRoleCount> &rowCentres,
                                   QWidget *parent)
    : QWidget(parent), m_rowCentres(rowCentres)
{}

QPoint ScrollbarDiagram::anchor(ScrRole role) const
{
    switch (role) {
    case ScrRole::ScrBase:
        return {braceRect.center().x(), braceRect.bottom()};
    case ScrRole::ScrTrack:
        return trackRect.center();
    case ScrRole::ScrFace:
        return {buttonRect.right() - 3 * bevel, buttonRect.bottom() - 3 * bevel};
    case ScrRole::ScrArrow:
        return {arrowRect.right() - 2, arrowRect.top() + 1};
    case ScrRole::Scr3dLight:
        return {thumbRect.right() - 3 * bevel, thumbRect.top() + 1};
    case ScrRole::ScrDarkShadow:
        return {thumbRect.right() - 1, thumbRect.top() + 40};
    case ScrRole::ScrHighlight:
        return {thumbRect.right() - 5 * bevel, thumbRect.top() + bevel + 1};
    case ScrRole::ScrShadow:
        return {thumbRect.right() - bevel - 1, thumbRect.top() + 60};
    }
    return {};
}

std::optional<ScrRole> ScrollbarDiagram::roleAt(const QPoint &position) const
{
    if (arrowRect.contains(position))
        return ScrRole::ScrArrow;
    if (const auto role = raisedPartRole(thumbRect, position))
        return role;
    if (const auto role = raisedPartRole(buttonRect, position))
        return role;
    if (trackRect.contains(position))
        return ScrRole::ScrTrack;
    if (braceRect.adjusted(0, -3, 0, 3).contains(position))
        return ScrRole::ScrBase;
    return std::nullopt;
}

void ScrollbarDiagram::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    // The track as the classic dither of face and highlight.
    painter.fillRect(trackRect, highlightColor);
    painter.fillRect(trackRect, QBrush(faceColor, Qt::Dense4Pattern));
    paintRaised(painter, thumbRect);
    paintRaised(painter, buttonRect);
    // The down arrow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrowColor);
    painter.drawPolygon(QPolygon({arrowRect.topLeft(), arrowRect.topRight() + QPoint(1, 0),
                                  QPoint(arrowRect.center().x() + 1, arrowRect.bottom() + 1)}));
    painter.setBrush(Qt::NoBrush);

    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    // The brace under the bar: the base colour stands for the whole bar.
    painter.drawLine(braceRect.left(), braceRect.top(), braceRect.left(), braceRect.center().y());
    painter.drawLine(braceRect.right(), braceRect.top(), braceRect.right(), braceRect.center().y());
    painter.drawLine(braceRect.left(), braceRect.center().y(), braceRect.right(),
                     braceRect.center().y());
    painter.drawLine(braceRect.center().x(), braceRect.center().y(), braceRect.center().x(),
                     braceRect.bottom());

    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < scrollbarRoleCount; ++k) {
        const QPoint from = anchor(static_cast<ScrRole>(k));
        const QPoint to(width() - 1, m_rowCentres.at(k));
        painter.setPen(QPen(ink, 1));
        painter.drawLine(from, QPoint(to.x() - 14, to.y()));
        painter.drawLine(QPoint(to.x() - 14, to.y()), to);
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(from), 2.0, 2.0);
        painter.setBrush(Qt::NoBrush);
    }
}

void ScrollbarDiagram::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    if (const auto role = roleAt(event->position().toPoint()))
        emit roleClicked(*role);
}

} // namespace tintmill
