#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tintmill {

// How the commands speak: results to standard output (or the -o file),
// everything else to standard error, each failure with its exit status.

// A name as the messages show it: whatever bytes it holds, one line on the
// terminal, with no control character or mark that reorders the text.
QString shownName(const QByteArray &path);

void writeError(const QString &text);

// A word on bad use, then how the program is called: exit status 2.
int badUse(const QString &problem);
// "tintmill: NAME: REASON": exit status 3.
int badFile(const QString &shownName, const QString &reason);

// The result to standard output, whole: a full disk or a closed pipe is
// reported (exit status 3), not taken for success.
int writeOutput(const QByteArray &bytes);
// The result to `output` (whole or not at all, a link followed as the user
// named it), or to standard output when there is none.
int writeResult(const std::optional<QByteArray> &output, const QByteArray &bytes);

} // namespace tintmill
