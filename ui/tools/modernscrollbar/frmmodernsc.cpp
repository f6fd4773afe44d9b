#include "frmmodernsc.h"

#include "codegen/modernscrollbarcode.h"
#include "ui/widgets/binding.h"
#include "ui/widgets/codetextbox.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/wrappinglabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

FrmModernSc::FrmModernSc(ModernScrollbarCode &code, QWidget *parent) : Pane("frmModernSc", parent)
{
    // The box takes what room the pane has; the note under it wraps to
    // the pane's width.
    QWidget *content = this->content();
    setDesignedSize(twips::rect(0, 0, 7260, 6300).size());
    setSpacing(QMargins(twips::toPixels(240), twips::toPixels(210), twips::toPixels(240),
                        twips::toPixels(285)),
               twips::toPixels(120));

    auto *targetLabel = label("lblModernTarget", QStringLiteral("対象："), content);
    auto *page =
        optionButton("optModernTarget_0", QStringLiteral("ページ全体 (html)(&P)"), content);
    auto *area = optionButton("optModernTarget_1", QStringLiteral("textarea(&T)"), content);
    bindOptionGroup({page, area}, code.target);
    auto *targets = new QHBoxLayout;
    targets->addWidget(targetLabel);
    targets->addWidget(page);
    targets->addSpacing(twips::toPixels(240));
    targets->addWidget(area);
    targets->addStretch();

    auto *caption = label("lblModernSc", QStringLiteral("生成されたCSS"), content);
    auto *box = new CodeTextBox(QStringLiteral("txtModernSc"), content);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setPlaceholderText(QStringLiteral("チェックの入った色がないので、CSSは要りません。"
                                           "ブラウザ標準のスクロールバーのままです。"));
    box->setMinimumHeight(twips::toPixels(1500));
    QPushButton *copy = icons::pictureButton(QStringLiteral("cmdModernScCopy"), icons::copy(),
                                             QStringLiteral("クリップボードにコピー"), content);
    copy->setFixedSize(twips::rect(0, 0, 540, 540).size());
    auto *output = new QHBoxLayout;
    output->addWidget(box);
    output->addWidget(copy, 0, Qt::AlignTop);

    // Which half of the text serves which browsers.
    auto *note = new WrappingLabel(
        QStringLiteral("・::-webkit-scrollbar の規則は Chrome・Edge などの Chromium "
                       "系ブラウザと Safari 向けです。\n"
                       "・@supports の中の scrollbar-color は Firefox 向けです。"
                       "Firefox で色が変わるのはつまみとトラックだけです。"),
        content);
    note->setObjectName(QStringLiteral("lblModernScNote"));

    body()->addLayout(targets);
    body()->addWidget(caption);
    body()->addLayout(output, 1);
    body()->addWidget(note);

    addNoticeLine("lblModernScNotice");
    const auto showText = [box, copy, &code] {
        box->showCode(code.text());
        copy->setEnabled(!code.text().isEmpty());
    };
    showText();
    // What was copied is no longer the text shown.
    connect(&code, &ModernScrollbarCode::textChanged, this, [this, showText] {
        showText();
        clearNotice();
    });
    connect(copy, &QPushButton::clicked, this, [this, &code] {
        code.copy();
        showNotice(QStringLiteral("クリップボードにコピーしました。"), true);
    });

    setTabOrder(page, area);
    setTabOrder(area, box);
    setTabOrder(box, copy);
    setTabOrder(copy, closeButton());
}

} // namespace tintmill
