// Feeds arbitrary bytes to a colour file reader (page or scrollbar, chosen
// at build time) and checks what it promises: a valid file has a 48-character
// web-safe data string and a description without "#", and saving what was
// read gives a file that reads back the same.

#include "files/colorfileformat.h"
#include "fuzzcheck.h"
#include "platform/textfile.h"

#include <cstddef>
#include <cstdint>

using namespace tintmill;
using namespace tintmill::colorfile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > static_cast<size_t>(readLimit))
        return 0; // never handed to a reader: the file read stops first
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const FileContent read = readColorFile(TINTMILL_FUZZ_KIND, bytes);
    if (read.outcome != ReadOutcome::Valid)
        return 0;

    FUZZ_CHECK(read.data.size() == 48);
    FUZZ_CHECK(!read.description.contains(u'#'));
    FUZZ_CHECK(funcFile(read.description + u'#' + read.data));

    // What was read, saved again (where the description may be saved at all).
    if (!descriptionProblem(read.description).isEmpty())
        return 0;
    const StoredColorSet blank = TINTMILL_FUZZ_KIND == ColorFileKind::Page
                                     ? StoredColorSet(PageColorSet{})
                                     : StoredColorSet(StoredScrollbarSet{});
    const FileContent again =
        readColorFile(TINTMILL_FUZZ_KIND, encodeCp932(fileText(setOf(read, blank))));
    FUZZ_CHECK(again.outcome == ReadOutcome::Valid);
    FUZZ_CHECK(again.description == read.description);
    FUZZ_CHECK(again.data == read.data);
    return 0;
}
