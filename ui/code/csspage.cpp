#include "csspage.h"

#include "codegen/linkrulegenerator.h"
#include "codegen/stylegenerator.h"
#include "ui/widgets/binding.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

CssPage::CssPage(LinkRuleGenerator &linkRules, StyleGenerator &style, Clipboard &clipboard,
                 QWidget *parent)
    : QWidget(parent)
{
    twips::placeOnTabPage(buildLinkFrame(linkRules, clipboard), 120, 480, 6375, 4320);
    twips::placeOnTabPage(buildStyleFrame(style, clipboard), 120, 4920, 6375, 3660);
}

QGroupBox *CssPage::buildLinkFrame(LinkRuleGenerator &generator, Clipboard &clipboard)
{
    auto *frame = new QGroupBox(QStringLiteral("リンク"), this);

    introLabel("Label16",
               QStringLiteral("Style要素の中で色を指定する擬似クラスにチェックを入れてください。"),
               frame);
    // The visited box's caption has always read "a:viseted"; the rule it
    // switches on is spelt correctly.
    stackCheckBoxes({{"chkLinkCss", "未訪問のリンク　　　a:link", generator.chkLinkCss},
                     {"chkVLinkCss", "訪問済のリンク　　　a:viseted", generator.chkVLinkCss},
                     {"chkALinkCss", "クリック時のリンク　a:active", generator.chkALinkCss},
                     {"chkHoverCss", "オンマウスのリンク　a:hover", generator.chkHoverCss}},
                    frame, 480, 900, 300);

    const CodeOutput output =
        codeOutput({"cmdLinkCss", QStringLiteral("スタイルシートの生成"), "cmdClipLC", "Label17",
                    QStringLiteral("生成されたリンクに関するCSS"), "txtLinkCss"},
                   frame);
    placeCodeOutput(output, 2520, 1620);
    connectCodeOutput(output, generator, clipboard);
    return frame;
}

QGroupBox *CssPage::buildStyleFrame(StyleGenerator &generator, Clipboard &clipboard)
{
    auto *frame = new QGroupBox(QStringLiteral("背景・テキスト"), this);

    // Each option sits under the box that enables it.
    twips::place(
        checkBox("chkStyle", QStringLiteral("style=\"\" をつける"), generator.chkStyle, frame), 240,
        360, 2880, 300);
    QRadioButton *doubleQuote =
        optionButton("optDouble", QStringLiteral("ダブルクォーテーション"), frame);
    twips::place(doubleQuote, 540, 660, 2580, 300);
    QRadioButton *singleQuote =
        optionButton("optSingle", QStringLiteral("シングルクォーテーション"), frame);
    twips::place(singleQuote, 540, 960, 2580, 300);
    bindOptionGroup({doubleQuote, singleQuote}, generator.quote);
    twips::place(
        checkBox("chkSpace", QStringLiteral("先頭にスペースをつける"), generator.chkSpace, frame),
        240, 1320, 2880, 300);
    twips::place(
        checkBox("chkColor", QStringLiteral("テキストの色を指定する"), generator.chkColor, frame),
        240, 1620, 2880, 300);

    twips::place(
        checkBox("chkBack", QStringLiteral("背景の色を指定する"), generator.chkBack, frame), 3240,
        360, 2880, 300);
    QRadioButton *large = optionButton("optDai", QStringLiteral("大ブロックの色"), frame);
    twips::place(large, 3540, 660, 1860, 300);
    QRadioButton *medium = optionButton("optTyuu", QStringLiteral("中ブロックの色"), frame);
    twips::place(medium, 3540, 960, 1860, 300);
    QRadioButton *small = optionButton("optSyou", QStringLiteral("小ブロックの色"), frame);
    twips::place(small, 3540, 1260, 1860, 300);
    bindOptionGroup({large, medium, small}, generator.block);

    auto *swatch = new QFrame(frame);
    swatch->setObjectName(QStringLiteral("PicColorCss"));
    swatch->setToolTip(QStringLiteral("選択されているブロックの色"));
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    twips::place(swatch, 5520, 660, 660, 900);
    const auto paintSwatch = [swatch, &generator] {
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, toQColor(generator.blockSwatchColor()));
        swatch->setPalette(palette);
    };
    paintSwatch();
    connect(&generator, &StyleGenerator::swatchChanged, swatch, paintSwatch);

    const CodeOutput output =
        codeOutput({"cmdStyle", QStringLiteral("スタイルシートの生成"), "cmdClipC", "Label11",
                    QStringLiteral("生成された背景・テキストに関するCSS"), "TxtStyle"},
                   frame);
    placeCodeOutput(output, 2340, 1140);
    connectCodeOutput(output, generator, clipboard);
    return frame;
}

} // namespace tintmill
