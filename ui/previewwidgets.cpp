#include "previewwidgets.h"

#include <QMouseEvent>

namespace tintmill {

PreviewBlock::PreviewBlock(QWidget *parent) : QFrame(parent)
{
    setAutoFillBackground(true);
}

void PreviewBlock::setBackground(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void PreviewBlock::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit rightButtonPressed(event->globalPosition().toPoint());
    // Accepted, so that a nested block's press never reaches the outer block.
    event->accept();
}

void PreviewBlock::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

PreviewLabel::PreviewLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void PreviewLabel::setTextColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void PreviewLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void PreviewLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

} // namespace tintmill
