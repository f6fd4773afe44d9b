#include "csspage.h"

#include "binding.h"
#include "codegen/linkrulegenerator.h"
#include "codegen/stylegenerator.h"
#include "codetextbox.h"
#include "colorbutton.h"
#include "icons.h"
#include "platform/services.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

namespace {

QCheckBox *checkBox(const char *name, const char *caption, Toggle &toggle, QWidget *parent)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    bindToggle(box, toggle);
    return box;
}

QRadioButton *option(const char *name, const char *caption, QWidget *parent)
{
    auto *button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

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

    auto *intro = new QLabel(
        QStringLiteral("Style要素の中で色を指定する擬似クラスにチェックを入れてください。"), frame);
    intro->setObjectName(QStringLiteral("Label16"));
    intro->setWordWrap(true);
    twips::place(intro, 240, 360, 5895, 480);

    // The visited box's caption has always read "a:viseted"; the rule it
    // switches on is spelt correctly.
    const struct
    {
        const char *name;
        const char *caption;
        Toggle &toggle;
    } boxes[] = {
        {"chkLinkCss", "未訪問のリンク　　　a:link", generator.chkLinkCss},
        {"chkVLinkCss", "訪問済のリンク　　　a:viseted", generator.chkVLinkCss},
        {"chkALinkCss", "クリック時のリンク　a:active", generator.chkALinkCss},
        {"chkHoverCss", "オンマウスのリンク　a:hover", generator.chkHoverCss},
    };
    int top = 900;
    for (const auto &box : boxes) {
        twips::place(checkBox(box.name, box.caption, box.toggle, frame), 480, top, 3900, 300);
        top += 300;
    }

    QPushButton *build = icons::pictureButton(QStringLiteral("cmdLinkCss"), icons::generate(),
                                              QStringLiteral("スタイルシートの生成"), frame);
    twips::place(build, 5640, 2520, 540, 540);
    build->setEnabled(generator.canGenerate());

    auto *resultLabel = new QLabel(QStringLiteral("生成されたリンクに関するCSS"), frame);
    resultLabel->setObjectName(QStringLiteral("Label17"));
    twips::place(resultLabel, 240, 2220, 4500, 255);

    auto *result = new CodeTextBox(QStringLiteral("txtLinkCss"), frame);
    twips::place(result, 240, 2520, 5280, 1620);

    QPushButton *copy = icons::pictureButton(QStringLiteral("cmdClipLC"), icons::copy(),
                                             QStringLiteral("クリップボードにコピー"), frame);
    twips::place(copy, 5640, 3180, 540, 540);

    connect(&generator, &LinkRuleGenerator::canGenerateChanged, build, &QWidget::setEnabled);
    connect(build, &QPushButton::clicked, &generator, &LinkRuleGenerator::generate);
    connect(&generator, &LinkRuleGenerator::textChanged, result,
            [result, &generator] { result->showCode(generator.text()); });
    connect(copy, &QPushButton::clicked, this,
            [&clipboard, &generator] { clipboard.setText(generator.text()); });
    result->showCode(generator.text());
    return frame;
}

QGroupBox *CssPage::buildStyleFrame(StyleGenerator &generator, Clipboard &clipboard)
{
    auto *frame = new QGroupBox(QStringLiteral("背景・テキスト"), this);

    // Each option sits under the box that enables it.
    twips::place(checkBox("chkStyle", "style=\"\" をつける", generator.chkStyle, frame), 240, 360,
                 2880, 300);
    QRadioButton *doubleQuote = option("optDouble", "ダブルクォーテーション", frame);
    twips::place(doubleQuote, 540, 660, 2580, 300);
    QRadioButton *singleQuote = option("optSingle", "シングルクォーテーション", frame);
    twips::place(singleQuote, 540, 960, 2580, 300);
    bindOptionGroup({doubleQuote, singleQuote}, generator.quote);
    twips::place(checkBox("chkSpace", "先頭にスペースをつける", generator.chkSpace, frame), 240,
                 1320, 2880, 300);
    twips::place(checkBox("chkColor", "テキストの色を指定する", generator.chkColor, frame), 240,
                 1620, 2880, 300);

    twips::place(checkBox("chkBack", "背景の色を指定する", generator.chkBack, frame), 3240, 360,
                 2880, 300);
    QRadioButton *large = option("optDai", "大ブロックの色", frame);
    twips::place(large, 3540, 660, 1860, 300);
    QRadioButton *medium = option("optTyuu", "中ブロックの色", frame);
    twips::place(medium, 3540, 960, 1860, 300);
    QRadioButton *small = option("optSyou", "小ブロックの色", frame);
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

    QPushButton *build = icons::pictureButton(QStringLiteral("cmdStyle"), icons::generate(),
                                              QStringLiteral("スタイルシートの生成"), frame);
    twips::place(build, 5640, 2340, 540, 540);
    build->setEnabled(generator.canGenerate());

    auto *resultLabel = new QLabel(QStringLiteral("生成された背景・テキストに関するCSS"), frame);
    resultLabel->setObjectName(QStringLiteral("Label11"));
    twips::place(resultLabel, 240, 2040, 4800, 255);

    auto *result = new CodeTextBox(QStringLiteral("TxtStyle"), frame);
    twips::place(result, 240, 2340, 5280, 1140);

    QPushButton *copy = icons::pictureButton(QStringLiteral("cmdClipC"), icons::copy(),
                                             QStringLiteral("クリップボードにコピー"), frame);
    twips::place(copy, 5640, 3000, 540, 540);

    connect(&generator, &StyleGenerator::canGenerateChanged, build, &QWidget::setEnabled);
    connect(build, &QPushButton::clicked, &generator, &StyleGenerator::generate);
    connect(&generator, &StyleGenerator::textChanged, result,
            [result, &generator] { result->showCode(generator.text()); });
    connect(copy, &QPushButton::clicked, this,
            [&clipboard, &generator] { clipboard.setText(generator.text()); });
    result->showCode(generator.text());
    return frame;
}

} // namespace tintmill
