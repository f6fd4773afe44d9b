#include "readabilitytexts.h"

#include "core/pageroletable.h"

namespace tintmill::readabilitytexts {

QString lineName(int line)
{
    return QString::fromUtf8(sampleLineTable.at(line).name);
}

QString blockName(int block)
{
    return QString::fromUtf8(previewBlockNames.at(block));
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

} // namespace tintmill::readabilitytexts
