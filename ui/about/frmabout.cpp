#include "frmabout.h"

#include "core/product.h"
#include "tintmill_version.h"
#include "ui/desktop/qtservices.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tintmill {

QString versionCaption(int major, int minor, int revision)
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(major).arg(minor).arg(revision);
}

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFixedSize(twips::rect(0, 0, 5730, 3300).size());

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(icons::application().pixmap(48, 48));
    twips::place(icon, 240, 240, 720, 720);

    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    twips::place(title, 1200, 240, 4200, 420);

    auto *version = new QLabel(this);
    version->setObjectName(QStringLiteral("lblVersion"));
    twips::place(version, 1200, 720, 4200, 270);

    auto *description = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明\n色をいろいろ選んでね。"), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    twips::place(description, 1200, 1080, 4200, 600);

    auto *maker = new QLabel(QString::fromUtf8(product::makerName), this);
    maker->setObjectName(QStringLiteral("lblMaker"));
    twips::place(maker, 1200, 1800, 4200, 270);

    auto *support = new QLineEdit(QString::fromLatin1(product::supportSiteAddress), this);
    support->setObjectName(QStringLiteral("txtSupport"));
    support->setReadOnly(true);
    twips::place(support, 1200, 2160, 4200, 300);

    // The licence the desktop metadata and the package state.
    auto *licence = new QLabel(QString::fromUtf8(product::licence), this);
    licence->setObjectName(QStringLiteral("lblLicense"));
    twips::place(licence, 1200, 2745, 2760, 270);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    twips::place(ok, 4080, 2700, 1320, 375);
    // Escape closes the box as well: OK is also the cancel button.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Loading steps, in order: caption, version, title.
    setWindowTitle(applicationTitle() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    version->setText(
        versionCaption(TINTMILL_VERSION_MAJOR, TINTMILL_VERSION_MINOR, TINTMILL_VERSION_PATCH));
    title->setText(applicationTitle());
    ok->setFocus();
}

} // namespace tintmill
