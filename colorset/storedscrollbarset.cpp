#include "storedscrollbarset.h"

#include "colortext.h"

#include <algorithm>

namespace tintmill {

ColorNumber StoredScrollbarSet::color(ScrRole role) const
{
    return colorOfCaption(caption(role));
}

bool StoredScrollbarSet::isComplete() const
{
    return std::ranges::all_of(captions, [](const QString &caption) {
        return caption.size() == 7 && caption.startsWith(u'#');
    });
}

} // namespace tintmill
