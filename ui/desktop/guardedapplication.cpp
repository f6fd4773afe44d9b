#include "guardedapplication.h"

#include <exception>

namespace tintmill {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

void GuardedApplication::setReport(std::function<void(const QString &what)> report)
{
    m_report = std::move(report);
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportException(QString());
    }
    return false;
}

void GuardedApplication::reportException(const QString &what)
{
    qWarning("Tintmill: an event handler failed: %s", qUtf8Printable(what));
    // The report is a dialog with an event loop of its own: a failure while
    // it is on show (or in the report itself) is not reported over it again.
    if (!m_report || m_reporting)
        return;
    m_reporting = true;
    try {
        m_report(what);
    } catch (...) {
    }
    m_reporting = false;
}

} // namespace tintmill
