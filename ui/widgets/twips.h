#pragma once

#include <QRect>
#include <QWidget>

namespace tintmill::twips {

// Layout sizes are kept in twips (1/1440 inch). At 96 dpi that is 15 twips to
// a pixel; Qt's high-DPI scaling takes it from there.
inline constexpr int perPixel = 15;

// To the nearest pixel. Division truncates towards zero, so a place left of
// or above its container's origin is rounded on its own magnitude: -8 twips is
// a pixel out, as 8 is, not none.
constexpr int toPixels(int twips)
{
    const int magnitude = (twips < 0 ? -twips : twips) + perPixel / 2;
    return twips < 0 ? -(magnitude / perPixel) : magnitude / perPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

// Height of a tab control's tab strip. Controls on a tab page are laid out in
// the tab control's own coordinates, strip included; pages start below it.
inline constexpr int tabStripHeight = 360;

inline void placeOnTabPage(QWidget *widget, int left, int top, int width, int height)
{
    place(widget, left, top - tabStripHeight, width, height);
}

// A frame's caption stands above its border, taller than the design allowed
// for: controls laid out from a frame's top edge move down by this much.
inline constexpr int frameCaptionAllowance = 105;

inline void placeInFrame(QWidget *widget, int left, int top, int width, int height)
{
    place(widget, left, top + frameCaptionAllowance, width, height);
}

} // namespace tintmill::twips
