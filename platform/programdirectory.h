#pragma once

#include "services.h"

#include <functional>

namespace tintmill {

// The directory rule on its own, so it can be checked with any answer to
// "is this folder writable?".
QString chooseDataDirectory(const QString &executableDirectory, const QString &perUserDirectory,
                            const std::function<bool(const QString &)> &isWritable);

// The running program's directories, as the application sees them.
class AppProgramDirectory final : public ProgramDirectory
{
public:
    AppProgramDirectory();

    QString executableDirectory() const override { return m_executableDirectory; }
    QString dataDirectory() const override { return m_dataDirectory; }

private:
    QString m_executableDirectory;
    QString m_dataDirectory;
};

} // namespace tintmill
