#pragma once

#include <QString>

namespace tintmill {

// The lines that tell how the program is called, after a word on bad use.
QString usageText();

// The whole of --help: usage, options, formats and exit statuses, in
// Japanese, the columns lined up by the width the terminal gives each
// character (two for a full-width one).
QString helpText();

} // namespace tintmill
