#pragma once

#include <QApplication>
#include <functional>

namespace tintmill {

// The program's QApplication. An exception that left an event handler would
// end the program on the spot (std::terminate), and with it the list of open
// files and the view settings. Every event is delivered here, so this is the
// last place to stop one: the failed event is dropped, the user is told, and
// the program goes on with the next event.
class GuardedApplication : public QApplication
{
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    // How the user is told; `what` is the exception's own text, if any.
    // Without one, only a warning goes to standard error.
    void setReport(std::function<void(const QString &what)> report);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void reportException(const QString &what);

    std::function<void(const QString &)> m_report;
    bool m_reporting = false;
};

} // namespace tintmill
