#include "support/colortext.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/tools/nearest/frmnearest.h"
#include "ui/tools/nearest/portalcolorpicker.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <limits>

using namespace tintmill;
using test::rrggbb;

namespace {

const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");

} // namespace

// The Screenshot interface of a desktop portal, as far as picking a colour
// goes: it answers PickColor at once with the handle the caller can work out
// (or with an error, or never), then sends the request's Response with what
// it was told to, as many times as it was told to. It serves the request's
// Close too, at the request's path.
class FakeScreenshotPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version READ version)

public:
    FakeScreenshotPortal(const QDBusConnection &bus, uint version) : m_bus(bus), m_version(version)
    {}

    uint version() const { return m_version; }

    // "" answers the call with the handle, "none" never answers it, anything
    // else is the name of the error to answer with.
    QString callAnswer;
    uint response = 0;
    int answers = 1;
    QVariantMap results;
    QStringList calls;
    // The handle tokens of the requests closed.
    QStringList closed;

public slots:
    void Close(const QDBusMessage &message) { closed << message.path().section('/', -1); }
    QDBusObjectPath PickColor(const QString &parentWindow, const QVariantMap &options,
                              const QDBusMessage &message)
    {
        calls << parentWindow + QLatin1Char('|') + options.value("handle_token").toString();
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString handle =
            QStringLiteral("%1/request/%2/%3")
                .arg(desktopPath, sender, options.value(QStringLiteral("handle_token")).toString());
        m_bus.registerObject(handle, QStringLiteral("org.freedesktop.portal.Request"), this,
                             QDBusConnection::ExportAllSlots);
        message.setDelayedReply(true);
        if (callAnswer.isEmpty())
            m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        else if (callAnswer != QLatin1String("none"))
            m_bus.send(message.createErrorReply(callAnswer, "Screenshot portal says no"));
        for (int i = 0; i < answers; ++i) {
            QDBusMessage answer =
                QDBusMessage::createSignal(handle, QStringLiteral("org.freedesktop.portal.Request"),
                                           QStringLiteral("Response"));
            answer << response << results;
            m_bus.send(answer);
        }
        return {};
    }

private:
    QDBusConnection m_bus;
    uint m_version;
};

namespace {

// The results of a pick that answers with a colour, each channel meant to be
// 0..1.
QVariantMap colorAnswer(double red, double green, double blue)
{
    QDBusArgument color;
    color.beginStructure();
    color << red << green << blue;
    color.endStructure();
    return {{QStringLiteral("color"), QVariant::fromValue(color)}};
}

// The fake portal on the test's bus, under the portal's name when it has a
// version, and a connection of the program's own beside it. Leaving, also
// after a failed row, frees the name for the next row's portal.
struct PortalSession
{
    PortalSession(const QString &address, const QString &row, uint version)
        : name(row), portalBus(QDBusConnection::connectToBus(address, "portal " + row)),
          clientBus(QDBusConnection::connectToBus(address, "client " + row)),
          portal(portalBus, version)
    {
        // #1E90FF.
        portal.results = colorAnswer(30 / 255.0, 144 / 255.0, 1.0);
        registered = portalBus.isConnected() && clientBus.isConnected();
        if (registered && version > 0)
            registered =
                portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")) &&
                portalBus.registerObject(desktopPath, &portal,
                                         QDBusConnection::ExportAllSlots |
                                             QDBusConnection::ExportAllProperties);
    }
    ~PortalSession()
    {
        portalBus.unregisterObject(desktopPath);
        portalBus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        QDBusConnection::disconnectFromBus("portal " + name);
        QDBusConnection::disconnectFromBus("client " + name);
    }
    PortalSession(const PortalSession &) = delete;
    PortalSession &operator=(const PortalSession &) = delete;

    QString name;
    QDBusConnection portalBus;
    QDBusConnection clientBus;
    FakeScreenshotPortal portal;
    bool registered = false;
};

} // namespace

class TestPortalColorPicker : public QObject
{
    Q_OBJECT

private slots:
    // A message bus of the test's own, so that the calls and answers are real
    // D-Bus traffic and no desktop's portal can answer in the fake's place.
    void initTestCase()
    {
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address=1")});
        QVERIFY2(m_bus.waitForStarted(), "dbus-daemon (Debian package dbus-daemon) is needed");
        QTRY_VERIFY(m_bus.canReadLine());
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
    }
    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    void picksThroughThePortal_data()
    {
        // 0: no portal on the bus at all.
        QTest::addColumn<uint>("version");
        // What the portal answers the call with, as FakeScreenshotPortal::callAnswer.
        QTest::addColumn<QString>("callAnswer");
        QTest::addColumn<uint>("response");
        // How many times the portal sends Response for one request.
        QTest::addColumn<int>("answers");
        // What ends a wait for the portal: "call limit" or "answer limit" run
        // out (set short for the row), "user" gives up; "" waits for nothing.
        QTest::addColumn<QString>("waitEnds");
        // "#RRGGBB" picked, "cancelled: reason", or "unavailable: reason".
        QTest::addColumn<QString>("outcome");
        // The handle tokens of the requests the picker closed.
        QTest::addColumn<QStringList>("closed");

        const QString noAnswer = "cancelled: デスクトップのポータルから返事がないため、"
                                 "色を拾うのをやめました。もう一度お試しください。";
        const QString refused = "cancelled: デスクトップのポータルが色の取得を断ったため、"
                                "画面から色を拾えませんでした。";
        const QString noPortal = "デスクトップのポータル（画面の取得）が見つからないため、"
                                 "画面から色を拾えません。";
        const QString noColor = "cancelled: デスクトップのポータルから色を受け取れませんでした。";
        const QStringList none;
        const QStringList first{"tintmill1"};
        QTest::newRow("colour picked") << 2U << "" << 0U << 1 << ""
                                       << "#1E90FF" << none;
        QTest::newRow("cancelled by the user") << 2U << "" << 1U << 1 << ""
                                               << "cancelled: " << none;
        QTest::newRow("ended by the portal") << 2U << "" << 2U << 1 << "" << noColor << none;
        QTest::newRow("answered twice") << 2U << "" << 0U << 2 << ""
                                        << "#1E90FF" << none;
        QTest::newRow("no answer, given up")
            << 2U << "" << 0U << 0 << "answer limit" << noAnswer << first;
        QTest::newRow("no answer, cancelled") << 2U << "" << 0U << 0 << "user"
                                              << "cancelled: " << first;
        QTest::newRow("call never answered")
            << 2U << "none" << 0U << 0 << "call limit" << noAnswer << first;
        QTest::newRow("call refused by the bus")
            << 2U << "org.freedesktop.DBus.Error.AccessDenied" << 0U << 0 << "" << refused << none;
        QTest::newRow("call refused by the portal")
            << 2U << "org.freedesktop.portal.Error.NotAllowed" << 0U << 0 << "" << refused << none;
        QTest::newRow("portal gone before the call")
            << 2U << "org.freedesktop.DBus.Error.ServiceUnknown" << 0U << 0 << ""
            << "cancelled: " + noPortal << none;
        QTest::newRow("call failed in the portal")
            << 2U << "org.freedesktop.portal.Error.Failed" << 0U << 0 << "" << noColor << none;
        QTest::newRow("portal without PickColor")
            << 1U << "" << 0U << 1 << ""
            << "unavailable: このデスクトップのポータルは色の取得（PickColor）に対応していない"
               "ため、画面から色を拾えません。"
            << none;
        QTest::newRow("no portal") << 0U << "" << 0U << 1 << ""
                                   << "unavailable: " + noPortal << none;
    }
    void picksThroughThePortal()
    {
        QFETCH(uint, version);
        QFETCH(uint, response);
        PortalSession session(m_address, QString::fromLatin1(QTest::currentDataTag()), version);
        QVERIFY(session.registered);
        FakeScreenshotPortal &portal = session.portal;
        portal.response = response;
        QFETCH(int, answers);
        portal.answers = answers;
        QFETCH(QString, callAnswer);
        portal.callAnswer = callAnswer;

        QFETCH(QString, waitEnds);
        const auto limit = [&waitEnds](const char *which) {
            return std::chrono::milliseconds(waitEnds == QLatin1String(which) ? 200 : 60'000);
        };
        PortalColorPicker picker(session.clientBus, {limit("call limit"), limit("answer limit")});
        QSignalSpy availability(&picker, &ScreenColorPicker::availabilityChanged);
        QTRY_COMPARE(availability.count(), 1);

        QStringList outcomes;
        connect(&picker, &ScreenColorPicker::picked,
                [&outcomes](ColorNumber picked) { outcomes << rrggbb(picked); });
        connect(&picker, &ScreenColorPicker::cancelled,
                [&outcomes](const QString &reason) { outcomes << "cancelled: " + reason; });
        picker.pick();
        QFETCH(QString, outcome);
        if (!picker.unavailableReason().isEmpty()) {
            QTest::qWait(50);
            QVERIFY(portal.calls.isEmpty() && outcomes.isEmpty());
            QCOMPARE("unavailable: " + picker.unavailableReason(), outcome);
            return;
        }
        QVERIFY(picker.isPicking());
        if (waitEnds == QLatin1String("user")) {
            QTRY_COMPARE(portal.calls.size(), 1);
            picker.cancel();
        }
        QTRY_VERIFY(!outcomes.isEmpty());
        QVERIFY(!picker.isPicking());
        // Picking again must reach the portal, and the portal's answers
        // reach us in the order it sent them: whatever more the first
        // request got comes before the second request's cancel.
        portal.callAnswer.clear();
        portal.response = 1;
        portal.answers = 1;
        picker.pick();
        QTRY_COMPARE(outcomes, QStringList({outcome, "cancelled: "}));
        QCOMPARE(portal.calls, QStringList({"|tintmill1", "|tintmill2"}));
        QTEST(portal.closed, "closed");
    }

    // What the nearest-colour window makes of the portal's answer: a colour
    // goes into the box, anything that is not one is refused, and the note
    // that a pick is under way goes in every case.
    void pickReachesTheWindow_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<double>("red");
        QTest::addColumn<double>("green");
        QTest::addColumn<double>("blue");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("note");

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double infinity = std::numeric_limits<double>::infinity();
        const QString refused = "デスクトップのポータルから色を受け取れませんでした。";
        QTest::newRow("colour") << 0U << 0.2 << 0.6 << 1.0 << ""
                                << "#3399FF"
                                << "";
        QTest::newRow("the colour in the box") << 0U << 0.2 << 0.6 << 1.0 << "#3399FF"
                                               << "#3399FF"
                                               << "";
        // 1.0000001 * 255 and -0.0019 * 255 round to 255 and 0.
        QTest::newRow("a hair outside 0..1") << 0U << 1.0000001 << -0.0019 << 0.4 << ""
                                             << "#FF0066"
                                             << "";
        QTest::newRow("NaN") << 0U << nan << 0.5 << nan << "#336699"
                             << "#336699" << refused;
        QTest::newRow("infinite") << 0U << 0.0 << infinity << 0.0 << "#336699"
                                  << "#336699" << refused;
        QTest::newRow("out of range") << 0U << 2.0 << -1.0 << 255.0 << "#336699"
                                      << "#336699" << refused;
        // -0.0021 * 255 rounds to -1, 1.0021 * 255 to 256.
        QTest::newRow("just below 0") << 0U << 0.4 << -0.0021 << 0.4 << "#336699"
                                      << "#336699" << refused;
        QTest::newRow("just above 1") << 0U << 0.4 << 0.4 << 1.0021 << "#336699"
                                      << "#336699" << refused;
        QTest::newRow("cancelled") << 1U << 0.2 << 0.6 << 1.0 << "#336699"
                                   << "#336699"
                                   << "";
    }
    void pickReachesTheWindow()
    {
        PortalSession session(m_address, QString::fromLatin1(QTest::currentDataTag()), 2);
        QVERIFY(session.registered);
        QFETCH(uint, response);
        QFETCH(double, red);
        QFETCH(double, green);
        QFETCH(double, blue);
        session.portal.response = response;
        session.portal.results = colorAnswer(red, green, blue);

        test::MainWindowFixture w;
        auto *tool = new FrmNearest(w.workbench->nearest, new PortalColorPicker(session.clientBus),
                                    w.window.get());
        tool->show();
        auto *pick = tool->findChild<QPushButton *>("cmdPickScreen");
        auto *text = tool->findChild<QLineEdit *>("txtCssColor");
        const auto *note = tool->findChild<QLabel *>("lblCssNote");
        QFETCH(QString, typed);
        QTest::keyClicks(text, typed);
        QTRY_VERIFY(pick->isEnabled());
        QTest::mouseClick(pick, Qt::LeftButton);
        QTRY_COMPARE(session.portal.calls.size(), 1);
        QTRY_COMPARE(pick->text(), QStringLiteral("画面から拾う"));
        QTEST(text->text(), "box");
        QTEST(note->text(), "note");
    }

private:
    QProcess m_bus;
    QString m_address;
};

TINTMILL_TEST_MAIN(TestPortalColorPicker)
#include "tst_portalcolorpicker.moc"
