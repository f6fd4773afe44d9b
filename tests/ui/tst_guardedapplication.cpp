#include "support/testmain.h"
#include "ui/desktop/guardedapplication.h"

#include <stdexcept>

using namespace tintmill;

namespace {

// An event handler that fails as a bounds check in the program's own code would.
class FailingReceiver : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::out_of_range("vector::_M_range_check");
        return QObject::event(event);
    }
};

} // namespace

class TestGuardedApplication : public QObject
{
    Q_OBJECT

private slots:
    void aFailedHandlerIsReportedAndTheProgramGoesOn()
    {
        auto *application = qobject_cast<GuardedApplication *>(QCoreApplication::instance());
        QVERIFY(application);
        QStringList reports;
        application->setReport([&reports](const QString &what) { reports << what; });
        FailingReceiver receiver;
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        bool nextEventRan = false;
        QTimer::singleShot(0, &receiver, [&nextEventRan] { nextEventRan = true; });
        QTRY_VERIFY(nextEventRan);
        QCOMPARE(reports, QStringList(2, QStringLiteral("vector::_M_range_check")));
        application->setReport({});
    }
};

int main(int argc, char *argv[])
{
    tintmill::test::prepareEnvironment();
    tintmill::test::prepareScreen();
    GuardedApplication application(argc, argv);
    TestGuardedApplication testObject;
    return QTest::qExec(&testObject, argc, argv);
}

#include "tst_guardedapplication.moc"
