#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace tintmill {

class Clipboard;
class PageColorEditor;
class ScrollbarColorEditor;

// What the numeric chooser's three combo boxes pick: the colour button index,
// or the first combo (0 red, 1 green, 2 blue) that has nothing chosen.
struct NumericChoice
{
    std::optional<int> missingCombo;
    int buttonIndex = -1;
};

// Combo positions are 0..5, or -1 for "nothing chosen".
NumericChoice numericChoice(const std::array<int, 3> &positions);

// Routes chosen colours to the editor on show and keeps the editor tabs in step
// with the main tabs. The editor page is the one piece of tab state that
// changes behaviour: it decides which colour set the colour buttons change.
class ColorChooser : public QObject
{
    Q_OBJECT

public:
    enum EditorPage
    {
        PageColors = 0,
        ScrollbarColors = 1
    };
    // What the main tab control's page on show is, whatever its place.
    enum MainPage
    {
        DirectChoice,
        SaveAndLoad,
        Html,
        Css,
        Scrollbar
    };

    ColorChooser(PageColorEditor &pageEditor, ScrollbarColorEditor &scrollbarEditor,
                 QObject *parent = nullptr);

    int editorPage() const { return m_editorPage; }
    void setEditorPage(int page);

    // The main tab control changed page: the editor follows the code on show.
    void mainPageChanged(MainPage page);

    // How a colour button was chosen: pressed (a click, a pane's apply),
    // picked with the numeric chooser, or walked onto with the keyboard.
    enum class Gesture
    {
        Press,
        Numbers,
        Walk
    };

    // A colour button was pressed or gained the keyboard focus. Every colour
    // chosen for the selected role of the editor on show comes through here.
    void applyColorButton(int index, Gesture gesture = Gesture::Press);
    // True while a colour applied by walking the buttons takes effect: the
    // history merges a walk into one step.
    bool walking() const { return m_walking; }

    // Puts the selected page role's caption on the clipboard.
    void copyActiveValue(Clipboard &clipboard) const;

signals:
    void editorPageChanged(int page);
    // The numeric chooser applied a colour, to whichever editor is on show.
    void chosenByNumbers();

private:
    PageColorEditor &m_pageEditor;
    ScrollbarColorEditor &m_scrollbarEditor;
    int m_editorPage = PageColors;
    bool m_walking = false;
};

} // namespace tintmill
