#include "viewmenu.h"

#include "editor/viewoptions.h"
#include "ui/preview/previewblocks.h"
#include "ui/preview/previewwidgets.h"
#include "ui/widgets/binding.h"

#include <QMenu>

namespace tintmill {

namespace {

// By block: the sub-menu's object name and the letter its item names carry.
const struct
{
    const char *menuName;
    const char *itemPrefix;
} blockMenus[ViewOptions::blockCount] = {
    {"mnuDai", "mnuD"}, {"mnuMid", "mnuM"}, {"mnuSmall", "mnuS"}};

// By item, in menu order.
const struct
{
    const char *nameSuffix;
    const char *caption;
} items[ViewOptions::itemCount] = {
    {"All", "テキスト・リンクをすべて表示(&U)"}, {"Text", "テキストを表示(&J)"},
    {"Link", "未訪問のリンクを表示(&N)"},        {"VLink", "訪問済のリンクを表示(&I)"},
    {"Hover", "オンマウスのリンクを表示(&M)"},   {"ALink", "クリック時のリンクを表示(&K)"},
};

} // namespace

void buildViewMenu(QMenu *viewMenu, ViewOptions &options, PreviewBlocks &preview)
{
    for (int b = 0; b < ViewOptions::blockCount; ++b) {
        const auto block = static_cast<ViewOptions::Block>(b);
        auto *blockMenu = viewMenu->findChild<QMenu *>(QString::fromLatin1(blockMenus[b].menuName));
        Q_ASSERT(blockMenu);
        for (int i = 0; i < ViewOptions::itemCount; ++i) {
            const auto item = static_cast<ViewOptions::Item>(i);
            QAction *action = blockMenu->addAction(QString::fromUtf8(items[i].caption));
            action->setObjectName(QString::fromLatin1(blockMenus[b].itemPrefix) +
                                  QString::fromLatin1(items[i].nameSuffix));
            if (item == ViewOptions::All)
                bindToggle(action, options.item(block, item),
                           [&options, block] { options.clickAllItem(block); });
            else
                bindToggle(action, options.item(block, item),
                           [&options, block, item] { options.clickLabelItem(block, item); });
        }

        for (int line = 0; line < PreviewBlocks::lineCount; ++line) {
            PreviewLabel *label = preview.label(static_cast<PreviewBlocks::Block>(b),
                                                static_cast<PreviewBlocks::Line>(line));
            const Toggle &shown = options.item(block, static_cast<ViewOptions::Item>(line + 1));
            const auto follow = [label, &shown] {
                label->setVisible(shown.isChecked());
            };
            follow();
            QObject::connect(&shown, &Toggle::changed, label, follow);
        }
    }
}

} // namespace tintmill
