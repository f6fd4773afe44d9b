#pragma once

// Pieces the in-process benchmarks share: a throwaway program folder for the
// real main window, and the median and 95th percentile of a series.

#include "platform/services.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
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

} // namespace tintmill::bench
