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
//
// The design gives each line a height that suits a compact bitmap face; a CJK
// outline font's line spacing is taller, and centring that line box in the
// label cuts off the bottom of the glyphs and the underline. So the line is
// drawn from the glyphs' own extent: their top at the label's top, the
// underline (for an underlined font) just below their lowest row. Where that
// needs more height than the design gives, the label grows downwards, its top
// kept; where the text is wider than the label, it is drawn condensed.
class PreviewLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PreviewLabel(const QString &text, QWidget *parent = nullptr);
    void setTextColor(const QColor &color);

    // Places the line at its design position and size; see above for when it
    // is taller.
    void setDesignArea(const QRect &area);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Presses stop here: a press on a sample line is not a press on its block.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct LineGeometry
    {
        qreal baseline = 0;
        qreal advance = 0;
        qreal underlineTop = 0;
        qreal underlineThickness = 0;
        int height = 0; // what the glyphs and the underline need
    };
    LineGeometry lineGeometry() const;
    void fitHeight();

    QRect m_designArea;
};

} // namespace tintmill
