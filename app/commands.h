#pragma once

#include "arguments.h"

#include <QLatin1String>

namespace tintmill {

// The commands, each given arguments that runCommandLine has found fit for
// it (one file where it takes one, only the options it takes); each returns
// the program's exit status.

// --export FORMAT [--dark NIGHT.iro] [--scheme light|dark] [-o OUT] FILE
int runExport(const Arguments &arguments);
// --export's name for a page colour file, beside the export formats: the
// window saves the colours it edits as one too.
inline constexpr QLatin1String pageColorFileFormat{"iro"};
// --check [--dark NIGHT.iro] [--scheme light|dark] FILE.iro
int runCheck(const Arguments &arguments);
// --nearest COLOR...
int runNearest(const Arguments &arguments);
// --make-dark [-o NIGHT.iro] DAY.iro
int runMakeDark(const Arguments &arguments);

} // namespace tintmill
