#include "icons.h"

#include <QPushButton>

namespace tintmill::icons {

namespace {

// A QIcon made from an SVG file parses the file there and then; the code
// pages show the same two icons on many buttons, so each file is parsed once
// and the icon shared. Deliberately never destroyed: a static would be
// destroyed after the application, too late for the icon's cached pixmaps.
const QIcon &shared(const QIcon *&icon, const char *path)
{
    if (!icon)
        icon = new QIcon(QString::fromLatin1(path));
    return *icon;
}

} // namespace

QIcon application()
{
    static const QIcon *icon = nullptr;
    return shared(icon, ":/icons/tintmill.svg");
}

QIcon generate()
{
    static const QIcon *icon = nullptr;
    return shared(icon, ":/icons/generate.svg");
}

QIcon copy()
{
    static const QIcon *icon = nullptr;
    return shared(icon, ":/icons/copy.svg");
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
