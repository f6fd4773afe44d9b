#pragma once

#include <QDialog>

namespace tintmill {

// "ﾊﾞｰｼﾞｮﾝ 1.0.0": plain integers, no leading zeros.
QString versionCaption(int major, int minor, int revision);

// The version box, shown modally from the "バージョン情報(&A)" menu.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);
};

} // namespace tintmill
