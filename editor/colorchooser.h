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
    enum MainPage
    {
        DirectChoice = 0,
        SaveAndLoad = 1,
        Html = 2,
        Css = 3,
        Scrollbar = 4
    };

    ColorChooser(PageColorEditor &pageEditor, ScrollbarColorEditor &scrollbarEditor,
                 QObject *parent = nullptr);

    int editorPage() const { return m_editorPage; }
    void setEditorPage(int page);

    // The main tab control changed page: the editor follows the code on show.
    void mainPageChanged(int page);

    // A colour button was pressed or gained the keyboard focus.
    void applyColorButton(int index);

    // Puts the selected page role's caption on the clipboard.
    void copyActiveValue(Clipboard &clipboard) const;

signals:
    void editorPageChanged(int page);

private:
    PageColorEditor &m_pageEditor;
    ScrollbarColorEditor &m_scrollbarEditor;
    int m_editorPage = PageColors;
};

} // namespace tintmill
