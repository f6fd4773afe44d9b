#include "storedscrollbarset.h"

#include <algorithm>

namespace tintmill {

bool StoredScrollbarSet::isComplete() const
{
    return std::ranges::all_of(captions, [](const QString &caption) {
        return caption.size() == 7 && caption.startsWith(u'#');
    });
}

} // namespace tintmill
