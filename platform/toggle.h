#pragma once

#include <QObject>
#include <vector>

namespace tintmill {

// The state of one check box (or menu check item) as the program holds it.
// Setting the value from code behaves like the user's click: when the value
// changes, `clicked` is emitted, so dependent options follow. Widgets bind to
// `changed` to show the state; they never hold it.
class Toggle : public QObject
{
    Q_OBJECT

public:
    explicit Toggle(bool checked = false, QObject *parent = nullptr);

    bool isChecked() const { return m_checked; }
    bool isEnabled() const { return m_enabled; }

    void setChecked(bool checked);
    void setEnabled(bool enabled);

signals:
    // The value changed, by the user or by code: the click behaviour runs here.
    void clicked();
    // Value or enabled state changed: the bound widget refreshes.
    void changed();

private:
    bool m_checked;
    bool m_enabled = true;
};

// A group of option buttons of which exactly one is set, each option with its
// own enabled state.
class OptionGroup : public QObject
{
    Q_OBJECT

public:
    explicit OptionGroup(int count, int selected = 0, QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_enabled.size()); }
    int selected() const { return m_selected; }
    bool isSelected(int index) const { return m_selected == index; }
    bool isEnabled(int index) const { return m_enabled.at(index); }

    // Sets option `index`, as a click on it does; `clicked` follows every time.
    void select(int index);
    void setEnabled(int index, bool enabled);
    void setAllEnabled(bool enabled);

signals:
    void clicked(int index);
    void changed();

private:
    int m_selected;
    std::vector<bool> m_enabled;
};

} // namespace tintmill
