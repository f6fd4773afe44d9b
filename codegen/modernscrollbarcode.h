#pragma once

#include "platform/toggle.h"
#include "scrollbarrules.h"

#include <QObject>
#include <QString>

namespace tintmill {

class Clipboard;
class ScrollbarColorEditor;

// The scrollbar CSS for today's browsers, kept up to date with the scrollbar
// colour set: every colour, every on/off box and the choice of target rebuild
// it at once, so the window that shows it follows the editor live.
class ModernScrollbarCode : public QObject
{
    Q_OBJECT

public:
    ModernScrollbarCode(const ScrollbarColorEditor &editor, Clipboard &clipboard,
                        QObject *parent = nullptr);

    // Which scrollbar the CSS is for: 0 the whole page, 1 textarea elements.
    OptionGroup target{2};

    ScrollbarTarget selectedTarget() const;
    // Rebuilds the text from the editor's colours and boxes and the target.
    void generate();
    QString text() const { return m_text; }

    // Puts the text on the clipboard. With no text (no role switched on)
    // there is nothing to copy, and the clipboard keeps what it holds.
    void copy();

signals:
    void textChanged();

private:
    const ScrollbarColorEditor &m_editor;
    Clipboard &m_clipboard;
    QString m_text;
};

} // namespace tintmill
