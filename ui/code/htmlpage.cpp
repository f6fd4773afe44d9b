#include "htmlpage.h"

#include "codegen/bodytaggenerator.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"

#include <QGroupBox>
#include <QLabel>

namespace tintmill {

HtmlPage::HtmlPage(BodyTagGenerator &generator, Clipboard &clipboard, QWidget *parent)
    : QWidget(parent)
{
    auto *frame = new QGroupBox(QStringLiteral("Bodyタグの生成"), this);
    twips::placeOnTabPage(frame, 120, 480, 6375, 4620);

    introLabel("Label10",
               QStringLiteral("Bodyタグの中で色を指定する要素にチェックを入れてください。"), frame);
    stackCheckBoxes({{"chkText", "テキストの色　　　　text", generator.chkText},
                     {"chkLink", "未訪問のリンク　　　link", generator.chkLink},
                     {"chkVlink", "訪問済のリンク　　　vlink", generator.chkVlink},
                     {"chkALink", "クリック時のリンク　alink", generator.chkALink},
                     {"chkBG", "背景　　　　　　　　bgcolor", generator.chkBG}},
                    frame, 480, 960, 360);

    const CodeOutput output =
        codeOutput({"cmdBody", QStringLiteral("Bodyタグの生成"), "cmdClipB", "Label12",
                    QStringLiteral("生成されたBodyタグ"), "TxtBody"},
                   frame);
    placeCodeOutput(output, 3180, 1200);
    connectCodeOutput(output, generator, clipboard);
}

} // namespace tintmill
