#include "portalcolorpicker.h"

#include "portalrequest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <cmath>
#include <optional>

namespace tintmill {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString screenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");

const QString noPortal = QStringLiteral("デスクトップのポータル（画面の取得）が見つからないため、"
                                        "画面から色を拾えません。");
const QString noPickColor = QStringLiteral("このデスクトップのポータルは色の取得（PickColor）に"
                                           "対応していないため、画面から色を拾えません。");
const QString noAnswer = QStringLiteral("デスクトップのポータルから返事がないため、"
                                        "色を拾うのをやめました。もう一度お試しください。");
const QString noColor = QStringLiteral("デスクトップのポータルから色を受け取れませんでした。");

bool isNoAnswer(const QDBusError &error)
{
    return error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
           error.type() == QDBusError::TimedOut;
}

// Told by the kind of error alone: the bus and the portal word their messages
// for developers, in English.
QString callFailure(const QDBusError &error)
{
    if (error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::UnknownObject)
        return noPortal;
    if (error.type() == QDBusError::AccessDenied ||
        error.name() == QLatin1String("org.freedesktop.portal.Error.NotAllowed"))
        return QStringLiteral(
            "デスクトップのポータルが色の取得を断ったため、画面から色を拾えませんでした。");
    return noColor;
}

// One component as the portal gives it, 0 to 1. A hair outside still names a
// byte (a portal working in floats may send 1.0000001), so anything that
// rounds to 0..255 is taken; NaN, infinity and values further out are no
// colour at all, which clamping would turn into one.
std::optional<ColorNumber> byte(double value)
{
    const double scaled = std::round(value * 255);
    if (!(scaled >= 0 && scaled <= 255))
        return std::nullopt;
    return static_cast<ColorNumber>(scaled);
}

} // namespace

PortalColorPicker::PortalColorPicker(const QDBusConnection &bus, PortalTimeLimits limits,
                                     QObject *parent)
    : ScreenColorPicker(parent), m_bus(bus), m_callLimit(limits.call),
      m_reason(QStringLiteral("デスクトップのポータルに問い合わせています…"))
{
    m_answerLimit.setSingleShot(true);
    m_answerLimit.setInterval(limits.answer);
    connect(&m_answerLimit, &QTimer::timeout, this, [this] { giveUp(noAnswer); });

    // Asked without waiting: the portal may first have to be started.
    QDBusMessage get = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << screenshotInterface << QStringLiteral("version");
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *call;
                if (reply.isError())
                    setReason(noPortal);
                else if (reply.value().variant().toUInt() < 2)
                    setReason(noPickColor);
                else
                    setReason({});
            });
}

void PortalColorPicker::setReason(const QString &reason)
{
    m_reason = reason;
    emit availabilityChanged();
}

void PortalColorPicker::pick()
{
    if (!m_reason.isEmpty() || m_request)
        return;
    // The portal answers on a path made from our bus name and a token of our
    // choosing; listening there before the call cannot miss a quick answer.
    const QString token = QStringLiteral("tintmill%1").arg(++m_requestCount);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listen(QStringLiteral("%1/request/%2/%3").arg(portalPath, sender, token));
    m_answerLimit.start();

    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, screenshotInterface, QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(call, static_cast<int>(m_callLimit.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, number = m_requestCount](QDBusPendingCallWatcher *reply) {
                reply->deleteLater();
                // The pick may have ended before the portal answered the call.
                if (number != m_requestCount || m_request.isNull())
                    return;
                const QDBusPendingReply<QDBusObjectPath> handle = *reply;
                if (handle.isError() && isNoAnswer(handle.error())) {
                    // The portal may still make the request; closed, it shows
                    // no picker long after the user has given up on it.
                    giveUp(noAnswer);
                    return;
                }
                if (handle.isError()) {
                    stopListening();
                    emit cancelled(callFailure(handle.error()));
                    return;
                }
                // Portals older than the token convention answer elsewhere.
                if (handle.value().path() != m_request->path())
                    listen(handle.value().path());
            });
}

void PortalColorPicker::listen(const QString &requestPath)
{
    delete m_request;
    m_request = new PortalRequest(requestPath, m_bus, this);
    connect(m_request, &PortalRequest::Response, this, &PortalColorPicker::finish);
}

void PortalColorPicker::cancel()
{
    giveUp({});
}

void PortalColorPicker::giveUp(const QString &reason)
{
    if (m_request.isNull())
        return;
    // Closing the request takes down the portal's picker, if it shows one.
    m_request->asyncCall(QStringLiteral("Close"));
    stopListening();
    emit cancelled(reason);
}

void PortalColorPicker::stopListening()
{
    m_answerLimit.stop();
    // Some portals send Response more than once; the first ends the request,
    // and any more, even ones already on their way, must find no one.
    m_request->disconnect(this);
    m_request->deleteLater();
    m_request = nullptr;
}

void PortalColorPicker::finish(uint response, const QVariantMap &results)
{
    stopListening();
    if (response == 1) {
        emit cancelled({});
        return;
    }
    const QVariant color = results.value(QStringLiteral("color"));
    if (response == 0 && color.canConvert<QDBusArgument>()) {
        const auto argument = color.value<QDBusArgument>();
        if (argument.currentSignature() == QLatin1String("(ddd)")) {
            double red = 0;
            double green = 0;
            double blue = 0;
            argument.beginStructure();
            argument >> red >> green >> blue;
            argument.endStructure();
            const std::optional<ColorNumber> r = byte(red);
            const std::optional<ColorNumber> g = byte(green);
            const std::optional<ColorNumber> b = byte(blue);
            if (r && g && b) {
                emit picked(*r | *g << 8U | *b << 16U);
                return;
            }
        }
    }
    emit cancelled(noColor);
}

} // namespace tintmill
