#pragma once

#include "importedcolors.h"

#include <QByteArray>

namespace tintmill {

// The colours of a design token file (DTCG 2025.10 JSON): the groups page,
// link, block and scrollbar that the tokens export writes, each colour a
// `colorSpace` and `components` (any of the format's colour spaces; `hex`
// where the space is not one of them), a CSS colour string as older
// files write it ("#rrggbb"), or an alias "{group.token}" or a `$ref` to
// another token. A resolver document gives the dark scheme by a modifier
// with "light" and "dark" contexts (the export's "theme"); every other
// modifier takes its default context. The description is `$description`,
// or a resolver document's `description`.
ImportedColors readTokensPalette(const QByteArray &bytes);

} // namespace tintmill
