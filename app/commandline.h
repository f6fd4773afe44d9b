#pragma once

namespace tintmill {

// The program started with arguments works on the command line: it exports a
// colour file or checks its readability, or prints its help or version, and
// ends without opening a window. Only Qt Core is set up, so it runs without
// a display. The exit status is one of these.
namespace exitstatus {
inline constexpr int ok = 0;
inline constexpr int checkFailed = 1; // --check: a line falls short of AA
inline constexpr int badUse = 2;      // unknown option, missing file, ...
inline constexpr int badFile = 3;     // unreadable or not a colour file; output not written
} // namespace exitstatus

int runCommandLine(int argc, char *argv[]);

} // namespace tintmill
