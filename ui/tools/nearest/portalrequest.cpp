#include "portalrequest.h"

namespace tintmill {

PortalRequest::PortalRequest(const QString &path, const QDBusConnection &bus, QObject *parent)
    : QDBusAbstractInterface(QStringLiteral("org.freedesktop.portal.Desktop"), path,
                             "org.freedesktop.portal.Request", bus, parent)
{}

} // namespace tintmill
