#include "copiedtip.h"

#include <QToolTip>
#include <QWidget>

namespace tintmill {

void showCopiedTip(QWidget *button)
{
    // Below the button, where the pointer that pressed it does not cover it.
    QToolTip::showText(button->mapToGlobal(QPoint(0, button->height())),
                       QStringLiteral("クリップボードにコピーしました。"), button);
}

} // namespace tintmill
