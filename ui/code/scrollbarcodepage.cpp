#include "scrollbarcodepage.h"

#include "codegen/scrollbarattributegenerator.h"
#include "codegen/scrollbarcodeoptions.h"
#include "codegen/scrollbarruleblockgenerator.h"
#include "digitkeyeventfilter.h"
#include "ui/widgets/binding.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

namespace tintmill {

namespace {

// The generated rules run to many lines: keep them unwrapped and scrollable.
// The build and copy buttons sit side by side in the group's top right corner,
// the caption and box below the group's own controls from `captionTop` on.
CodeOutput scrollingCodeOutput(const CodeOutputNames &names, QWidget *parent, int captionTop,
                               int boxHeight)
{
    CodeOutput output = codeOutput(names, parent);
    output.box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    output.box->setLineWrapMode(QPlainTextEdit::NoWrap);
    twips::place(output.build, 5040, 240, 540, 480);
    twips::place(output.copy, 5640, 240, 540, 480);
    twips::place(output.caption, 240, captionTop, 2400, 270);
    twips::place(output.box, 240, captionTop + 300, 5895, boxHeight);
    return output;
}

} // namespace

ScrollbarCodePage::ScrollbarCodePage(ScrollbarCodeOptions &options,
                                     ScrollbarRuleBlockGenerator &ruleBlock,
                                     ScrollbarAttributeGenerator &attribute, Clipboard &clipboard,
                                     QWidget *parent)
    : QWidget(parent), m_options(options), m_ruleBlock(ruleBlock), m_attribute(attribute),
      m_clipboard(clipboard)
{
    buildRuleBlockGroup();
    buildAttributeGroup();
}

void ScrollbarCodePage::buildRuleBlockGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Style要素内での指定"), this);
    twips::placeOnTabPage(group, 120, 480, 6375, 3735);
    ScrollbarCodeOptions &options = m_options;

    auto *body = named(new QRadioButton(QStringLiteral("Bodyに指定"), group), "optBodyY");
    twips::place(body, 240, 330, 1800, 300);
    auto *area = named(new QRadioButton(QStringLiteral("TextAreaに指定"), group), "optAreaY");
    twips::place(area, 2160, 330, 2100, 300);
    bindOptionGroup({body, area}, options.ruleTarget);

    const CodeOutput output =
        scrollingCodeOutput({"cmdScrY", QStringLiteral("スタイルシートの生成"), "cmdScrCripY",
                             "Label18", QStringLiteral("生成されたCSS"), "txtScrY"},
                            group, 780, 2475);
    connectCodeOutput(output, m_ruleBlock, m_clipboard);
}

void ScrollbarCodePage::buildAttributeGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Style属性で指定"), this);
    twips::placeOnTabPage(group, 120, 4335, 6375, 5040);
    ScrollbarCodeOptions &options = m_options;

    auto *tag = named(new QCheckBox(QStringLiteral("タグも生成する"), group), "chkScrTag");
    twips::place(tag, 240, 330, 2400, 300);
    bindToggle(tag, options.tagMode);

    auto *tagBody = named(new QRadioButton(QStringLiteral("Bodyに指定"), group), "optTag_0");
    twips::place(tagBody, 480, 690, 1800, 300);
    auto *tagArea = named(new QRadioButton(QStringLiteral("TextAreaに指定"), group), "optTag_1");
    twips::place(tagArea, 2400, 690, 2100, 300);
    bindOptionGroup({tagBody, tagArea}, options.tagKind);

    // Row and column counts, each a label, a digits-only box and a clear button.
    const auto countRow = [group](const char *labelName, const char *caption, const char *boxName,
                                  const char *clearName, int left) {
        auto *label = named(new QLabel(QString::fromUtf8(caption), group), labelName);
        twips::place(label, left, 1080, 600, 270);
        auto *box = named(new QLineEdit(group), boxName);
        twips::place(box, left + 600, 1035, 720, 315);
        installDigitKeyFilter(box);
        label->setBuddy(box);
        auto *clear = named(new QPushButton(QStringLiteral("クリア"), group), clearName);
        twips::place(clear, left + 1380, 1035, 720, 315);
        return std::tuple{label, box, clear};
    };
    const auto [rowsLabel, rows, clearRows] =
        countRow("lblRows", "行数：", "txtRows", "cmdClearRow", 720);
    const auto [columnsLabel, columns, clearColumns] =
        countRow("lblCols", "列数：", "txtCols", "cmdClearCol", 3120);
    const auto showCountsEnabled = [=, this] {
        for (QWidget *widget :
             {static_cast<QWidget *>(rowsLabel), static_cast<QWidget *>(rows),
              static_cast<QWidget *>(clearRows), static_cast<QWidget *>(columnsLabel),
              static_cast<QWidget *>(columns), static_cast<QWidget *>(clearColumns)})
            widget->setEnabled(m_options.countsEnabled());
    };
    showCountsEnabled();
    connect(&options, &ScrollbarCodeOptions::countsEnabledChanged, this, showCountsEnabled);
    connect(rows, &QLineEdit::textChanged, &options, &ScrollbarCodeOptions::setRows);
    connect(columns, &QLineEdit::textChanged, &options, &ScrollbarCodeOptions::setColumns);
    // Only a change from elsewhere (a clear button) rewrites a box, so that
    // typing keeps its caret.
    const auto showText = [](QLineEdit *box, const QString &text) {
        if (box->text() != text)
            box->setText(text);
    };
    connect(&options, &ScrollbarCodeOptions::rowsChanged, rows,
            [=](const QString &text) { showText(rows, text); });
    connect(&options, &ScrollbarCodeOptions::columnsChanged, columns,
            [=](const QString &text) { showText(columns, text); });
    connect(clearRows, &QPushButton::clicked, &options, [&options] { options.setRows({}); });
    connect(clearColumns, &QPushButton::clicked, &options, [&options] { options.setColumns({}); });

    auto *space =
        named(new QCheckBox(QStringLiteral("先頭にスペースをつける"), group), "chkSpaceSc");
    twips::place(space, 240, 1470, 2700, 300);
    bindToggle(space, options.leadingSpace);
    auto *style = named(new QCheckBox(QStringLiteral("style=\"\" をつける"), group), "chkStyleSc");
    twips::place(style, 3000, 1470, 2900, 300);
    bindToggle(style, options.styleAttribute);

    auto *doubleQuote =
        named(new QRadioButton(QStringLiteral("ダブルクォーテーション"), group), "optDoubleSc");
    twips::place(doubleQuote, 480, 1830, 2520, 300);
    auto *singleQuote =
        named(new QRadioButton(QStringLiteral("シングルクォーテーション"), group), "optSingleSc");
    twips::place(singleQuote, 3240, 1830, 2760, 300);
    bindOptionGroup({doubleQuote, singleQuote}, options.quote);

    const CodeOutput output =
        scrollingCodeOutput({"cmdScrZ", QStringLiteral("スタイルシートの生成"), "cmdScrCripZ",
                             "Label19", QStringLiteral("生成されたCSS"), "txtScrZ"},
                            group, 2250, 2310);
    connectCodeOutput(output, m_attribute, m_clipboard);
    // The count asked for gets the focus, after the message.
    connect(&m_attribute, &ScrollbarAttributeGenerator::countMissing, this,
            [rows, columns](MissingCount missing) {
                (missing == MissingCount::Rows ? rows : columns)->setFocus(Qt::OtherFocusReason);
            });
}

} // namespace tintmill
