#include "readabilitytexts.h"

#include "core/color.h"

#include <array>

namespace tintmill::readabilitytexts {

QString lineName(int line)
{
    static constexpr std::array<const char *, sampleLineCount> names{
        "テキスト", "未訪問のリンク", "訪問済のリンク", "オンマウスのリンク", "クリック時のリンク"};
    return QString::fromUtf8(names.at(line));
}

QString blockName(int block)
{
    static constexpr std::array<const char *, previewBlockCount> names{"大ブロック", "中ブロック",
                                                                       "小ブロック"};
    return QString::fromUtf8(names.at(block));
}

QString levelText(ContrastLevel level)
{
    switch (level) {
    case ContrastLevel::AAA:
        return QStringLiteral("◎ AAA");
    case ContrastLevel::AA:
        return QStringLiteral("○ AA");
    case ContrastLevel::LargeOnly:
        return QStringLiteral("△ 大きな文字のみ");
    case ContrastLevel::Fail:
        break;
    }
    return QStringLiteral("× 不合格");
}

QString levelMeaning(ContrastLevel level)
{
    switch (level) {
    case ContrastLevel::AAA:
        return QStringLiteral("AAA：7:1以上。どの大きさの文字でも読みやすい");
    case ContrastLevel::AA:
        return QStringLiteral("AA：4.5:1以上。通常の大きさの文字に足りる");
    case ContrastLevel::LargeOnly:
        return QStringLiteral(
            "大きな文字のみAA：3:1以上4.5:1未満。18pt以上（太字なら14pt以上）の文字に限る");
    case ContrastLevel::Fail:
        break;
    }
    return QStringLiteral("不合格：3:1未満。大きな文字でも足りない");
}

QString ratio(double value)
{
    return QString::fromStdString(ratioText(value));
}

QString colorText(ColorNumber color)
{
    return QString::fromStdString(rrggbbOf(color));
}

} // namespace tintmill::readabilitytexts
