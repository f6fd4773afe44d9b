#include "icons.h"

#include <QPushButton>

namespace tintmill::icons {

QIcon application()
{
    return QIcon(QStringLiteral(":/icons/tintmill.svg"));
}

QIcon generate()
{
    return QIcon(QStringLiteral(":/icons/generate.svg"));
}

QIcon copy()
{
    return QIcon(QStringLiteral(":/icons/copy.svg"));
}

QIcon openFile()
{
    return QIcon(QStringLiteral(":/icons/open.svg"));
}

QIcon releaseFiles()
{
    return QIcon(QStringLiteral(":/icons/release.svg"));
}

QIcon saveNewFile()
{
    return QIcon(QStringLiteral(":/icons/save.svg"));
}

QIcon overwriteFile()
{
    return QIcon(QStringLiteral(":/icons/overwrite.svg"));
}

QIcon remember()
{
    return QIcon(QStringLiteral(":/icons/remember.svg"));
}

QIcon forget()
{
    return QIcon(QStringLiteral(":/icons/forget.svg"));
}

QPushButton *pictureButton(const QString &objectName, const QIcon &icon, const QString &toolTip,
                           QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(toolTip);
    // Without a caption, the tool tip is what a screen reader should say.
    button->setAccessibleName(toolTip);
    return button;
}

} // namespace tintmill::icons
