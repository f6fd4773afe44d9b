#pragma once

// Pieces the in-process benchmarks share: a throwaway program folder for the
// real main window, the median and 95th percentile of a series, the clocks,
// and the event loop run until a change is painted.

#include "platform/services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstddef>
#include <ctime>
#include <vector>

namespace tintmill::bench {

// The window reads and writes its settings and preview page here, so a run
// never touches the build folder's own files.
class TemporaryProgramDirectory final : public ProgramDirectory
{
public:
    QString executableDirectory() const override { return m_folder.path(); }
    QString settingsDirectory() const override { return m_folder.path(); }
    QString scratchDirectory() const override { return m_folder.path(); }
    QString documentsDirectory() const override { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

// The page colours never reach the browser view; it is not measured here.
class NoPreviewBrowser final : public PreviewBrowser
{
public:
    void navigate(const QUrl & /*url*/) override {}
};

struct Summary
{
    double median;
    double p95;
};

inline Summary summarise(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) {
        return times.at(static_cast<std::size_t>(q * static_cast<double>(times.size() - 1) + 0.5));
    };
    return {at(0.5), at(0.95)};
}

inline double millisecondsSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// CPU time of the whole process, every thread: the painting engine hands
// large fills to helper threads. Unlike the wall clock, it leaves out the time
// spent waiting while other programs had the processor.
inline double processCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Lets the platform show `widget` (a window, or a pane docked in one) and
// paint it a first time.
inline bool waitUntilExposed(QWidget *widget)
{
    QElapsedTimer clock;
    clock.start();
    const auto exposed = [widget] {
        const QWindow *handle = widget->window()->windowHandle();
        return widget->isVisible() && handle != nullptr && handle->isExposed();
    };
    while (!exposed()) {
        if (clock.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    return true;
}

// Dispatches what a change left queued, again until nothing more arrives
// (deferred work, layout), then paints what it left dirty in every window at
// once, rather than at the platform's next frame.
inline void settle()
{
    for (int round = 0; round < 4; ++round)
        QCoreApplication::sendPostedEvents();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QEvent paintDirty(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window, &paintDirty);
    }
}

} // namespace tintmill::bench
