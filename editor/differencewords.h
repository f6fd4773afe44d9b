#pragma once

#include <QString>

namespace tintmill {

// How far apart two colours look, in words, by their CIEDE2000 difference:
// 同じ色 at none, then 見分けにくい below 1, わずかな差 below 3, はっきりした差
// below 6, 大きな差 below 12, and 別の色 from there on.
QString differenceWord(double distance);

// The difference to two places with its word: "3.68（はっきりした差）".
QString differenceText(double distance);

} // namespace tintmill
