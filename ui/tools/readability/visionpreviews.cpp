#include "visionpreviews.h"

#include "visionpicture.h"

#include <QGridLayout>
#include <QLabel>

namespace tintmill {

namespace {

struct VisionCaption
{
    const char *caption;
    const char *toolTip;
};

const std::array<VisionCaption, colorVisionCount> captions{{
    {"1型2色覚（P型）", "赤を感じる錐体が働かない見え方"},
    {"2型2色覚（D型）", "緑を感じる錐体が働かない見え方"},
    {"3型2色覚（T型）", "青を感じる錐体が働かない見え方"},
    {"1色覚（色の区別なし）", "明るさだけで色を区別しない見え方"},
}};

} // namespace

VisionPreviews::VisionPreviews(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setRowStretch(4, 1);
    const QString model =
        QStringLiteral("（Machado・Oliveira・Fernandes 2009 のモデルによるシミュレーション）");
    for (int v = 0; v < colorVisionCount; ++v) {
        auto *picture = new VisionPicture(static_cast<ColorVision>(v), m_miniature, this);
        picture->setObjectName(QStringLiteral("picVision_%1").arg(v));
        auto *caption = new QLabel(QString::fromUtf8(captions.at(v).caption), this);
        caption->setObjectName(QStringLiteral("lblVision_%1").arg(v));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QString tip = QString::fromUtf8(captions.at(v).toolTip);
        if (v != static_cast<int>(ColorVision::Achromat))
            tip += model;
        picture->setToolTip(tip);
        caption->setToolTip(tip);
        picture->setAccessibleName(caption->text());
        // Two by two, so that the window stays low enough for small screens.
        const int row = 2 * (v / 2);
        const int column = v % 2;
        grid->addWidget(picture, row, column, Qt::AlignHCenter);
        grid->addWidget(caption, row + 1, column);
        m_pictures.at(v) = picture;
    }
}

void VisionPreviews::showColors(const ReadabilityInput &input)
{
    for (VisionPicture *picture : m_pictures)
        picture->showColors(input);
}

} // namespace tintmill
