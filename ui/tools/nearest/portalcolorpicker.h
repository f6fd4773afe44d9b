#pragma once

#include "platform/screencolorpicker.h"

#include <QDBusConnection>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>
#include <chrono>

namespace tintmill {

class PortalRequest;

struct PortalTimeLimits
{
    // For the call, which a portal answers before it shows its picker; a few
    // seconds also cover its being started.
    std::chrono::milliseconds call = std::chrono::seconds(5);
    // From the call to the colour, the user's own picking included: long
    // enough for anyone to pick, short enough that a portal that has lost the
    // request does not leave the button waiting all day.
    std::chrono::milliseconds answer = std::chrono::minutes(2);
};

// Picks a colour through the desktop portal's Screenshot interface
// (PickColor, from its version 2), where the display server lets no program
// read the screen itself: the desktop shows its own picker and answers with
// the colour.
class PortalColorPicker : public ScreenColorPicker
{
    Q_OBJECT

public:
    explicit PortalColorPicker(const QDBusConnection &bus, PortalTimeLimits limits = {},
                               QObject *parent = nullptr);

    QString unavailableReason() const override { return m_reason; }
    void pick() override;
    bool isPicking() const override { return !m_request.isNull(); }
    void cancel() override;

private:
    void setReason(const QString &reason);
    void listen(const QString &requestPath);
    void finish(uint response, const QVariantMap &results);
    void giveUp(const QString &reason);
    void stopListening();

    QDBusConnection m_bus;
    std::chrono::milliseconds m_callLimit;
    QString m_reason;
    QPointer<PortalRequest> m_request;
    int m_requestCount = 0;
    QTimer m_answerLimit;
};

} // namespace tintmill
