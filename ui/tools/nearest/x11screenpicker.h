#pragma once

#include "platform/screencolorpicker.h"

#include <QPointer>

namespace tintmill {

class ScreenPickOverlay;

// Picks a colour on an X11 display, which lets a program read the screen: the
// screen under the pointer is grabbed and laid over itself to point into.
class X11ScreenPicker : public ScreenColorPicker
{
    Q_OBJECT

public:
    using ScreenColorPicker::ScreenColorPicker;
    ~X11ScreenPicker() override;

    QString unavailableReason() const override { return {}; }
    void pick() override;
    bool isPicking() const override { return !m_overlay.isNull(); }
    void cancel() override;

private:
    void end();

    QPointer<ScreenPickOverlay> m_overlay;
};

} // namespace tintmill
