#pragma once

#include "platform/screencolorpicker.h"

#include <QDBusConnection>
#include <QPointer>
#include <QVariantMap>

namespace tintmill {

class PortalRequest;

// Picks a colour through the desktop portal's Screenshot interface
// (PickColor, from its version 2), where the display server lets no program
// read the screen itself: the desktop shows its own picker and answers with
// the colour.
class PortalColorPicker : public ScreenColorPicker
{
    Q_OBJECT

public:
    explicit PortalColorPicker(const QDBusConnection &bus, QObject *parent = nullptr);

    QString unavailableReason() const override { return m_reason; }
    void pick() override;

private:
    void setReason(const QString &reason);
    void listen(const QString &requestPath);
    void finish(uint response, const QVariantMap &results);

    QDBusConnection m_bus;
    QString m_reason;
    QPointer<PortalRequest> m_request;
    int m_requestCount = 0;
};

} // namespace tintmill
