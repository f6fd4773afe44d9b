#pragma once

#include <QObject>
#include <QString>

namespace tintmill {

class ScrollbarCodeOptions;
class ScrollbarColorEditor;

// The scrollbar rule block for a style element, built from the current
// scrollbar colours when asked.
class ScrollbarRuleBlockGenerator : public QObject
{
    Q_OBJECT

public:
    ScrollbarRuleBlockGenerator(const ScrollbarColorEditor &editor,
                                const ScrollbarCodeOptions &options, QObject *parent = nullptr);

    // cmdScrY_Click: the rule block for the chosen target, body or textarea.
    // Its copy button (cmdScrCripY_Click) puts text() on the clipboard.
    void generate();
    QString text() const { return m_text; }

signals:
    void textChanged();

private:
    const ScrollbarColorEditor &m_editor;
    const ScrollbarCodeOptions &m_options;
    QString m_text;
};

} // namespace tintmill
