#pragma once

#include "pagecolorset.h"
#include "storedscrollbarset.h"

#include <variant>

namespace tintmill {

// A saved or remembered set of either kind, for what handles both kinds
// alike: the lists of open files and of remembered sets.
using StoredColorSet = std::variant<PageColorSet, StoredScrollbarSet>;

const QString &descriptionOf(const StoredColorSet &set);
// The same colours (and switches) under another description.
StoredColorSet withDescription(StoredColorSet set, const QString &description);

} // namespace tintmill
