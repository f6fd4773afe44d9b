#include "nearestwebsafe.h"

#include "ciede2000.h"

#include <algorithm>

namespace tintmill {

namespace {

// Every look-up measures against all 216 colours, whose Lab values never change.
const std::array<Lab, webSafeColorCount> &webSafeLabs()
{
    static const std::array<Lab, webSafeColorCount> labs = [] {
        std::array<Lab, webSafeColorCount> values{};
        for (int i = 0; i < webSafeColorCount; ++i)
            values.at(i) = labOf(webSafeColor(i));
        return values;
    }();
    return labs;
}

} // namespace

std::array<WebSafeMatch, nearestMatchCount> nearestWebSafe(ColorNumber color)
{
    const Lab from = labOf(color);
    std::array<WebSafeMatch, webSafeColorCount> all{};
    for (int i = 0; i < webSafeColorCount; ++i)
        all.at(i) = {i, ciede2000(from, webSafeLabs().at(i))};
    std::partial_sort(all.begin(), all.begin() + nearestMatchCount, all.end(),
                      [](const WebSafeMatch &a, const WebSafeMatch &b) {
                          return a.distance < b.distance ||
                                 (a.distance == b.distance && a.index < b.index);
                      });
    std::array<WebSafeMatch, nearestMatchCount> nearest{};
    std::copy_n(all.begin(), nearestMatchCount, nearest.begin());
    return nearest;
}

} // namespace tintmill
