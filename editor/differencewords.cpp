#include "differencewords.h"

namespace tintmill {

QString differenceWord(double distance)
{
    // About 1 is the least difference seen with the colours side by side;
    // the bounds above it roughly double.
    if (distance == 0)
        return QStringLiteral("同じ色");
    if (distance < 1)
        return QStringLiteral("見分けにくい");
    if (distance < 3)
        return QStringLiteral("わずかな差");
    if (distance < 6)
        return QStringLiteral("はっきりした差");
    if (distance < 12)
        return QStringLiteral("大きな差");
    return QStringLiteral("別の色");
}

QString differenceText(double distance)
{
    return QStringLiteral("%1（%2）")
        .arg(QString::number(distance, 'f', 2), differenceWord(distance));
}

} // namespace tintmill
