// Feeds arbitrary bytes to the settings file's reading path (code page 932
// text, split into lines, applied to the view options) and checks that the
// options stay consistent: an All item is never checked while one of its
// block's lines is hidden.

#include "editor/settingsfile.h"
#include "editor/viewoptions.h"
#include "fuzzcheck.h"
#include "platform/textfile.h"

#include <cstddef>
#include <cstdint>

using namespace tintmill;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ViewOptions options;
    applySettingsLines(splitLines(decodeCp932(bytes)), options);

    for (int b = 0; b < ViewOptions::blockCount; ++b) {
        const auto block = static_cast<ViewOptions::Block>(b);
        bool allShown = true;
        for (int line = 0; line < 5; ++line)
            allShown = allShown && options.isLineShown(block, line);
        if (options.item(block, ViewOptions::All).isChecked())
            FUZZ_CHECK(allShown);
    }
    // Written back and read again, the options come out the same.
    ViewOptions again;
    applySettingsLines(splitLines(settingsText(options.checkMarks())), again);
    FUZZ_CHECK(again.checkMarks() == options.checkMarks());
    return 0;
}
