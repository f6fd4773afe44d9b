#pragma once

class QMenu;

namespace tintmill {

class PreviewBlocks;
class ViewOptions;

// Fills the block sub-menus of the View menu with their check items and lets
// the preview's sample lines follow the label items.
void buildViewMenu(QMenu *viewMenu, ViewOptions &options, PreviewBlocks &preview);

} // namespace tintmill
