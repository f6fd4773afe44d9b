#pragma once

#include <QDBusAbstractInterface>
#include <QVariantMap>

namespace tintmill {

// One request of the desktop portal (org.freedesktop.portal.Request): the
// portal answers a call such as PickColor later, with Response on the
// request's own object path.
class PortalRequest : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    PortalRequest(const QString &path, const QDBusConnection &bus, QObject *parent = nullptr);

signals:
    // `response` 0 is success, 1 cancelled by the user, 2 ended otherwise.
    void Response(uint response, const QVariantMap &results);
};

} // namespace tintmill
