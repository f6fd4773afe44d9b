#pragma once

#include "core/color.h"

#include <QObject>
#include <QString>

namespace tintmill {

// Picks one colour from anywhere on the screen, in whatever way the desktop
// allows it: reading the screen where the display server lets a program do
// so, or asking the desktop to pick on the program's behalf.
class ScreenColorPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Empty while picking works; otherwise why it does not, for the user.
    virtual QString unavailableReason() const = 0;

    // Starts picking; it ends with picked() or cancelled(). Returns at once.
    virtual void pick() = 0;
    // True from pick() until it ends.
    virtual bool isPicking() const = 0;
    // Gives up the picking under way, if any: it ends with cancelled() and no
    // reason, as though the user had cancelled it.
    virtual void cancel() = 0;

signals:
    void availabilityChanged();
    void picked(tintmill::ColorNumber color);
    // `reason` is empty when the user cancelled, otherwise what went wrong.
    void cancelled(const QString &reason);
};

} // namespace tintmill
