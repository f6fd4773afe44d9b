#include "frmmodernsc.h"

#include "codegen/modernscrollbarcode.h"
#include "ui/widgets/binding.h"
#include "ui/widgets/codetextbox.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

FrmModernSc::FrmModernSc(ModernScrollbarCode &code, QWidget *host)
    : ToolWindow(host, "frmModernSc", QStringLiteral("今のブラウザ向けスクロールバーCSS"),
                 "cmdModernScClose")
{
    // The controls sit where designed on a page of the window's designed
    // size, which scrolls inside the window on a small screen.
    QWidget *content = this->content();
    content->setFixedSize(twips::rect(0, 0, 7260, 6300).size());

    auto *targetLabel = label("lblModernTarget", QStringLiteral("対象："), content);
    twips::place(targetLabel, 240, 210, 720, 300);
    auto *page =
        optionButton("optModernTarget_0", QStringLiteral("ページ全体 (html)(&P)"), content);
    twips::place(page, 960, 210, 2880, 300);
    auto *area = optionButton("optModernTarget_1", QStringLiteral("textarea(&T)"), content);
    twips::place(area, 3960, 210, 2040, 300);
    bindOptionGroup({page, area}, code.target);

    auto *caption = label("lblModernSc", QStringLiteral("生成されたCSS"), content);
    twips::place(caption, 240, 660, 2400, 270);
    auto *box = new CodeTextBox(QStringLiteral("txtModernSc"), content);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setPlaceholderText(QStringLiteral("チェックの入った色がないので、CSSは要りません。"
                                           "ブラウザ標準のスクロールバーのままです。"));
    twips::place(box, 240, 960, 6120, 3240);

    QPushButton *copy = icons::pictureButton(QStringLiteral("cmdModernScCopy"), icons::copy(),
                                             QStringLiteral("クリップボードにコピー"), content);
    twips::place(copy, 6480, 960, 540, 540);

    // Which half of the text serves which browsers.
    auto *note = label("lblModernScNote",
                       QStringLiteral("・::-webkit-scrollbar の規則は Chrome・Edge などの Chromium "
                                      "系ブラウザと Safari 向けです。\n"
                                      "・@supports の中の scrollbar-color は Firefox 向けです。"
                                      "Firefox で色が変わるのはつまみとトラックだけです。"),
                       content);
    note->setWordWrap(true);
    twips::place(note, 240, 4320, 6780, 1200);

    twips::place(closeButton(), 5820, 5640, 1200, 375);

    const auto showText = [box, copy, &code] {
        box->showCode(code.text());
        copy->setEnabled(!code.text().isEmpty());
    };
    showText();
    connect(&code, &ModernScrollbarCode::textChanged, this, showText);
    connect(copy, &QPushButton::clicked, &code, &ModernScrollbarCode::copy);

    setTabOrder(page, area);
    setTabOrder(area, box);
    setTabOrder(box, copy);
    setTabOrder(copy, closeButton());
}

} // namespace tintmill
