#pragma once

#include <QString>
#include <optional>

namespace tintmill {

// Why the system refused a file operation, as one Japanese sentence, for the
// errors that reading and writing alike may meet (a loop of links, a name
// too long, a failing disk); none for the ones each words for itself.
std::optional<QString> systemErrorText(int error);

// The last resort, for an error no text knows: its number and the system's
// own name for it, so that it can still be looked up.
QString unknownErrorText(const QString &what, int error);

} // namespace tintmill
