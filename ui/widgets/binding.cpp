#include "binding.h"

#include "platform/toggle.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QRadioButton>

namespace tintmill {

void bindToggle(QAbstractButton *button, Toggle &toggle)
{
    button->setCheckable(true);
    const auto show = [button, &toggle] {
        button->setChecked(toggle.isChecked());
        button->setEnabled(toggle.isEnabled());
    };
    show();
    QObject::connect(&toggle, &Toggle::changed, button, show);
    QObject::connect(button, &QAbstractButton::clicked, &toggle,
                     [&toggle](bool checked) { toggle.setChecked(checked); });
}

void bindToggle(QAction *action, Toggle &toggle, std::function<void()> operation)
{
    action->setCheckable(true);
    const auto show = [action, &toggle] {
        action->setChecked(toggle.isChecked());
        action->setEnabled(toggle.isEnabled());
    };
    show();
    QObject::connect(&toggle, &Toggle::changed, action, show);
    QObject::connect(action, &QAction::triggered, &toggle,
                     [show, operation = std::move(operation)] {
                         operation();
                         show();
                     });
}

void bindOptionGroup(const QList<QRadioButton *> &buttons, OptionGroup &group)
{
    // One exclusive group per set of options, whatever parents they have.
    auto *exclusive = new QButtonGroup(buttons.constFirst());
    for (QRadioButton *button : buttons)
        exclusive->addButton(button);

    const auto show = [buttons, &group] {
        for (int i = 0; i < buttons.size(); ++i) {
            buttons.at(i)->setChecked(group.isSelected(i));
            buttons.at(i)->setEnabled(group.isEnabled(i));
        }
    };
    show();
    QObject::connect(&group, &OptionGroup::changed, buttons.constFirst(), show);
    for (int i = 0; i < buttons.size(); ++i)
        QObject::connect(buttons.at(i), &QAbstractButton::clicked, &group,
                         [&group, i] { group.select(i); });
}

} // namespace tintmill
