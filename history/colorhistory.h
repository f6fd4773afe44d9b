#pragma once

#include "colorstate.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

namespace tintmill {

class ColorChooser;
class PageSchemes;
class ScrollbarColorEditor;

// The history of the colour sets while the program runs. It follows the two
// editors rather than wrapping their callers, so that every way of changing
// a colour (a colour button, the numeric chooser, a suggestion, a tool
// window, a scrollbar switch, a file opened, a remembered set recalled) is a
// step, each named for what it did. Undoing puts the colours back through
// the editors, as a file opened does: captions, preview, switches and the
// preview page follow, and the file and memory marks clear (see the signals).
// A step belongs to the page colour scheme it was made in: undoing it edits
// that scheme again.
//
// Not steps: start-up, the overwrite and release dialog's previews (the
// dialog puts the colours back itself) and undoing or redoing.
class ColorHistory : public QObject
{
    Q_OBJECT

public:
    // Enough for a long session; the oldest steps go first.
    static constexpr int stepLimit = 300;

    ColorHistory(PageSchemes &pageSchemes, ScrollbarColorEditor &scrollbarEditor,
                 ColorChooser &chooser, QObject *parent = nullptr);

    QUndoStack &stack() { return m_stack; }

    // Start-up has set the colours every run begins with: changes from now on
    // are the user's.
    void startRecording();

    // Either editor's colours changed: a step, if they differ from the last.
    void record();
    // A scrollbar switch was clicked. One set together with the others (a
    // file opened, a set recalled) is part of that change, which ends with
    // the editor's colorsChanged; so only a switch clicked with the preview
    // refresh on is a step of its own.
    void recordSwitch();
    // No steps while `session` (the overwrite and release dialog) is alive.
    void pauseWhileAlive(QObject *session);
    // The change about to be made is one step under `name`, whatever it
    // changes; an empty name ends that.
    void nameNextStep(const QString &name) { m_nextStepName = name; }
    // Runs `change`, which may change both editors and both schemes in
    // several moves, and records what it did as one step under `name`.
    void recordAsOne(const QString &name, const std::function<void()> &change);

signals:
    // Undoing or redoing put back the page colours, or the scrollbar ones.
    void pageColorsRestored();
    void scrollbarColorsRestored();

private:
    void restore(const ColorState &state);

    PageSchemes &m_pageSchemes;
    ScrollbarColorEditor &m_scrollbarEditor;
    ColorChooser &m_chooser;
    QUndoStack m_stack;
    ColorState m_current;
    QString m_nextStepName;
    bool m_recording = false;
    bool m_restoring = false;
    bool m_followsUndo = false;
    int m_pauses = 0;
};

} // namespace tintmill
