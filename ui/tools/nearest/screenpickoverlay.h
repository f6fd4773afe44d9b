#pragma once

#include "core/color.h"

#include <QImage>
#include <QWidget>

class QScreen;

namespace tintmill {

// A picture of the screen laid over the whole screen, so that the pointer can
// take a colour from anything on it. A magnified view of the pixels around the
// pointer follows it; a click picks, Esc or the right button cancels.
class ScreenPickOverlay : public QWidget
{
    Q_OBJECT

public:
    // `shot` is the grabbed content of `screen`.
    ScreenPickOverlay(QScreen &screen, const QImage &shot);

    // Shows the overlay and takes the keyboard and the pointer.
    void start();

signals:
    void picked(tintmill::ColorNumber color);
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ColorNumber colorAt(QPoint position) const;
    QRect magnifierRect() const;

    QImage m_shot;
    QPoint m_pointer{-1, -1};
};

} // namespace tintmill
