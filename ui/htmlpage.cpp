#include "htmlpage.h"

#include "binding.h"
#include "codegen/bodytaggenerator.h"
#include "codetextbox.h"
#include "icons.h"
#include "platform/services.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tintmill {

HtmlPage::HtmlPage(BodyTagGenerator &generator, Clipboard &clipboard, QWidget *parent)
    : QWidget(parent)
{
    auto *frame = new QGroupBox(QStringLiteral("Bodyタグの生成"), this);
    twips::placeOnTabPage(frame, 120, 480, 6375, 4620);

    auto *intro = new QLabel(
        QStringLiteral("Bodyタグの中で色を指定する要素にチェックを入れてください。"), frame);
    intro->setObjectName(QStringLiteral("Label10"));
    intro->setWordWrap(true);
    twips::place(intro, 240, 360, 5895, 480);

    const struct
    {
        const char *name;
        const char *caption;
        Toggle &toggle;
    } boxes[] = {
        {"chkText", "テキストの色　　　　text", generator.chkText},
        {"chkLink", "未訪問のリンク　　　link", generator.chkLink},
        {"chkVlink", "訪問済のリンク　　　vlink", generator.chkVlink},
        {"chkALink", "クリック時のリンク　alink", generator.chkALink},
        {"chkBG", "背景　　　　　　　　bgcolor", generator.chkBG},
    };
    int top = 960;
    for (const auto &box : boxes) {
        auto *check = new QCheckBox(QString::fromUtf8(box.caption), frame);
        check->setObjectName(QString::fromLatin1(box.name));
        twips::place(check, 480, top, 3900, 300);
        bindToggle(check, box.toggle);
        top += 360;
    }

    QPushButton *build = icons::pictureButton(QStringLiteral("cmdBody"), icons::generate(),
                                              QStringLiteral("Bodyタグの生成"), frame);
    twips::place(build, 5640, 3180, 540, 540);

    auto *resultLabel = new QLabel(QStringLiteral("生成されたBodyタグ"), frame);
    resultLabel->setObjectName(QStringLiteral("Label12"));
    twips::place(resultLabel, 240, 2880, 4500, 255);

    auto *result = new CodeTextBox(QStringLiteral("TxtBody"), frame);
    twips::place(result, 240, 3180, 5280, 1200);

    QPushButton *copy = icons::pictureButton(QStringLiteral("cmdClipB"), icons::copy(),
                                             QStringLiteral("クリップボードにコピー"), frame);
    twips::place(copy, 5640, 3840, 540, 540);

    connect(build, &QPushButton::clicked, &generator, &BodyTagGenerator::generate);
    connect(&generator, &BodyTagGenerator::textChanged, result,
            [result, &generator] { result->showCode(generator.text()); });
    connect(copy, &QPushButton::clicked, this,
            [&clipboard, &generator] { clipboard.setText(generator.text()); });
    result->showCode(generator.text());
}

} // namespace tintmill
