#pragma once

#include "core/contrast.h"
#include "core/readability.h"

#include <QString>

namespace tintmill::readabilitytexts {

// The sample lines as the View menu names them, top to bottom.
QString lineName(int line);
// "大ブロック", "中ブロック", "小ブロック".
QString blockName(int block);
// A level with a mark in front, so that no one needs colour to read it:
// "◎ AAA", "○ AA", "△ 大きな文字のみ", "× 不合格".
QString levelText(ContrastLevel level);
// What the level means, for tool tips.
QString levelMeaning(ContrastLevel level);
// "4.52:1".
QString ratio(double value);

} // namespace tintmill::readabilitytexts
