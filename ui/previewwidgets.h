#pragma once

#include <QFrame>
#include <QLabel>

namespace tintmill {

// A coloured block of the page preview. Clicks select its role; the right
// button opens the View menu.
class PreviewBlock : public QFrame
{
    Q_OBJECT

public:
    explicit PreviewBlock(QWidget *parent = nullptr);
    void setBackground(const QColor &color);

signals:
    void clicked();
    void rightButtonPressed(const QPoint &globalPosition);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A sample line of the page preview; a click selects its role.
class PreviewLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PreviewLabel(const QString &text, QWidget *parent = nullptr);
    void setTextColor(const QColor &color);

signals:
    void clicked();

protected:
    // Presses stop here: a press on a sample line is not a press on its block.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tintmill
