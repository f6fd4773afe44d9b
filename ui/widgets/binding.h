#pragma once

#include <QList>
#include <functional>

class QAbstractButton;
class QAction;
class QRadioButton;

namespace tintmill {

class OptionGroup;
class Toggle;

// Binds a check box (or any checkable button) to the state it shows: the
// widget mirrors the toggle, and the user's clicks set the toggle.
void bindToggle(QAbstractButton *button, Toggle &toggle);
// A checkable menu item that shows `toggle`; choosing it runs `operation`,
// which decides the new state (the item's own automatic flip is overridden).
void bindToggle(QAction *action, Toggle &toggle, std::function<void()> operation);

// Binds option buttons, in index order, to the group they show.
void bindOptionGroup(const QList<QRadioButton *> &buttons, OptionGroup &group);

} // namespace tintmill
