#include "frmmodernsc.h"

#include "codegen/modernscrollbarcode.h"
#include "ui/widgets/binding.h"
#include "ui/widgets/codetextbox.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/toolwindowscroller.h"
#include "ui/widgets/twips.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

FrmModernSc::FrmModernSc(ModernScrollbarCode &code, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmModernSc"));
    setWindowTitle(QStringLiteral("今のブラウザ向けスクロールバーCSS"));
    setModal(false);
    // The controls sit where designed on a page of the window's designed
    // size, which scrolls inside the window on a small screen.
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("toolContent"));
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

    auto *close = named(new QPushButton(QStringLiteral("閉じる(&C)"), content), "cmdModernScClose");
    twips::place(close, 5820, 5640, 1200, 375);
    // Enter on an option must not copy or close: no button here is the
    // window's default.
    for (QPushButton *button : {copy, close})
        button->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

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
    setTabOrder(copy, close);
    m_scroller = new ToolWindowScroller(content, this);
}

void FrmModernSc::showBeside(const QWidget &mainWindow)
{
    m_scroller->showBeside(mainWindow);
}

QAction *addModernScrollbarItem(QMenu &menu, QWidget &owner, ModernScrollbarCode &code)
{
    QAction *item = menu.addAction(QStringLiteral("今のブラウザ向けスクロールバーCSS(&W)"));
    item->setObjectName(QStringLiteral("mnuModernScrollbar"));
    QObject::connect(item, &QAction::triggered, &owner, [&owner, &code] {
        auto *window = owner.findChild<FrmModernSc *>(QString(), Qt::FindDirectChildrenOnly);
        if (window == nullptr)
            window = new FrmModernSc(code, &owner);
        window->showBeside(owner);
    });
    return item;
}

} // namespace tintmill
