#pragma once

#include "colorstate.h"

#include <QObject>
#include <QUndoStack>

namespace tintmill {

class ColorChooser;
class ColorFiles;
class PageColorEditor;
class ScrollbarColorEditor;

// The history of the colour sets while the program runs. It watches the two
// editors rather than wrapping their callers, so that every way of changing
// a colour (a colour button, the numeric chooser, a suggestion, a tool
// window, a scrollbar switch, a file opened, a remembered set recalled) is a
// step, each named for what it did. Undoing puts the colours back through
// the editors, as a file opened does: captions, preview, switches and the
// preview page follow, and the file and memory marks clear.
//
// Not steps: start-up, the overwrite and release dialog's previews (the
// dialog puts the colours back itself) and undoing or redoing.
class ColorHistory : public QObject
{
    Q_OBJECT

public:
    // Enough for a long session; the oldest steps go first.
    static constexpr int stepLimit = 300;

    ColorHistory(PageColorEditor &pageEditor, ScrollbarColorEditor &scrollbarEditor,
                 ColorChooser &chooser, ColorFiles &pageFiles, ColorFiles &scrollbarFiles,
                 QObject *parent = nullptr);

    QUndoStack &stack() { return m_stack; }

    // Start-up has set the colours every run begins with: changes from now on
    // are the user's.
    void startRecording();

private:
    void record();
    void restore(const ColorState &state);
    void pauseWhileAlive(QObject *session);

    PageColorEditor &m_pageEditor;
    ScrollbarColorEditor &m_scrollbarEditor;
    ColorChooser &m_chooser;
    QUndoStack m_stack;
    ColorState m_current;
    bool m_recording = false;
    bool m_restoring = false;
    bool m_followsUndo = false;
    int m_pauses = 0;
};

} // namespace tintmill
