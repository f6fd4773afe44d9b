#include "toggle.h"

namespace tintmill {

Toggle::Toggle(bool checked, QObject *parent) : QObject(parent), m_checked(checked) {}

void Toggle::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    emit changed();
    emit clicked();
}

void Toggle::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

OptionGroup::OptionGroup(int count, int selected, QObject *parent)
    : QObject(parent), m_selected(selected), m_enabled(static_cast<size_t>(count), true)
{}

void OptionGroup::select(int index)
{
    if (index < 0 || index >= count())
        return;
    const bool moved = index != m_selected;
    m_selected = index;
    if (moved)
        emit changed();
    emit clicked(index);
}

void OptionGroup::setEnabled(int index, bool enabled)
{
    if (m_enabled.at(index) == enabled)
        return;
    m_enabled.at(index) = enabled;
    emit changed();
}

void OptionGroup::setAllEnabled(bool enabled)
{
    for (int i = 0; i < count(); ++i)
        setEnabled(i, enabled);
}

} // namespace tintmill
