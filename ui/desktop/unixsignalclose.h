#pragma once

#include <QObject>
#include <array>
#include <csignal>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace tintmill {

// Lets the signals that end a desktop program (SIGTERM at logout, shutdown or
// `kill`, SIGINT from a terminal's Ctrl+C, SIGHUP when the terminal goes away)
// close the main window as its close box does, so that its settings are
// written, and then end the program. A signal handler may do next to nothing:
// it writes one byte to a socket, and the event loop does the rest. A second
// signal of the same kind finds the default action again and ends the program
// at once, should the first never get through. A signal ignored when the
// program started (`nohup`) stays ignored.
//
// One at a time; the previous handlers come back when it is destroyed.
class UnixSignalClose : public QObject
{
    Q_OBJECT

public:
    // `endProgram` runs after the window has closed; by default it asks the
    // application to quit (other windows close as they would at logout) and
    // ends the event loops even if one of them refuses.
    explicit UnixSignalClose(QWidget &window, std::function<void()> endProgram = {});
    ~UnixSignalClose() override;
    UnixSignalClose(const UnixSignalClose &) = delete;
    UnixSignalClose &operator=(const UnixSignalClose &) = delete;

    static constexpr std::array<int, 3> handledSignals{SIGTERM, SIGINT, SIGHUP};

    // Runs before the window is closed on a signal: no one may be there to
    // answer a question, so whatever closing would ask is settled here.
    void setBeforeClose(std::function<void()> beforeClose)
    {
        m_beforeClose = std::move(beforeClose);
    }

private:
    void closeWindow();

    QWidget &m_window;
    std::function<void()> m_endProgram;
    std::function<void()> m_beforeClose;
    QSocketNotifier *m_notifier = nullptr;
    std::array<struct sigaction, handledSignals.size()> m_previous{};
};

} // namespace tintmill
