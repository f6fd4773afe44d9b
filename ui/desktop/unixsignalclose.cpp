#include "unixsignalclose.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace tintmill {

namespace {

// [0] is written by the handler, [1] read by the event loop.
int signalSocket[2] = {-1, -1};

void onSignal(int signal)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full socket already holds a byte that will close the window.
    if (::write(signalSocket[0], &byte, 1) < 0) {
    }
    errno = savedErrno;
}

} // namespace

UnixSignalClose::UnixSignalClose(QWidget &window, std::function<void()> endProgram)
    : m_window(window), m_endProgram(std::move(endProgram))
{
    Q_ASSERT(signalSocket[0] < 0);
    if (!m_endProgram) {
        m_endProgram = [] {
            QCoreApplication::quit();
            QCoreApplication::exit(0);
        };
    }
    // Not inherited by the browser engine's processes; never blocks the handler.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSocket) != 0) {
        signalSocket[0] = signalSocket[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalClose::closeWindow);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < handledSignals.size(); ++i) {
        ::sigaction(handledSignals.at(i), nullptr, &m_previous.at(i));
        // Ignored from the start (`nohup`, a job started with the signal
        // ignored): whoever started the program asked for it to live on.
        if (m_previous.at(i).sa_handler != SIG_IGN)
            ::sigaction(handledSignals.at(i), &action, nullptr);
    }
}

UnixSignalClose::~UnixSignalClose()
{
    if (signalSocket[0] < 0)
        return;
    for (std::size_t i = 0; i < handledSignals.size(); ++i)
        ::sigaction(handledSignals.at(i), &m_previous.at(i), nullptr);
    delete m_notifier;
    ::close(signalSocket[0]);
    ::close(signalSocket[1]);
    signalSocket[0] = signalSocket[1] = -1;
}

void UnixSignalClose::closeWindow()
{
    char bytes[16];
    while (::read(signalSocket[1], bytes, sizeof bytes) > 0) {
    }
    if (m_beforeClose)
        m_beforeClose();
    m_window.close();
    m_endProgram();
}

} // namespace tintmill
