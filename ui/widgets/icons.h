#pragma once

#include <QIcon>

class QPushButton;
class QWidget;

namespace tintmill::icons {

QIcon application();
QIcon generate(); // on the buttons that build code
QIcon copy();     // on the buttons that copy code to the clipboard
QIcon remember(); // keeps the current colours in a remembered-set list
QIcon forget();   // drops the chosen remembered set
// On the four buttons of each colour file list.
QIcon openFile();
QIcon releaseFiles();
QIcon saveNewFile();
QIcon overwriteFile();

// A caption-less button that shows only an icon and its tool tip.
QPushButton *pictureButton(const QString &objectName, const QIcon &icon, const QString &toolTip,
                           QWidget *parent);

} // namespace tintmill::icons
