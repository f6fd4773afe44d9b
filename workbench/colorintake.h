#pragma once

#include <QObject>
#include <QStringList>

namespace tintmill {

class ColorChooser;
class ColorFiles;
class ColorHistory;
class MessageBox;
class PageColorEditor;
class PageSchemes;
class ScrollbarColorEditor;
struct ImportedColors;

// Files brought to the window from outside it: given as the program starts
// (by a file manager, or typed after its name) or dropped on the window. Each
// is taken by what its name says, in any letter case, in the order given:
// - a colour file (.iro, .scb) opens as if chosen in its kind's open dialog,
//   with the same checks and messages, each naming its file;
// - a palette (.css, .scss, .tokens.json, .gpl) brings in the colours it
//   gives as one step of the history: the page colours (both schemes where
//   it has both), the scrollbar colours where it has them. What moved to a
//   web-safe colour or was left out is told in one message after it;
// - anything else is refused with a message naming it.
// A relative name is taken from the working folder.
class ColorIntake : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        ColorFiles &pageFiles;
        ColorFiles &scrollbarFiles;
        PageColorEditor &pageEditor;
        PageSchemes &pageSchemes;
        ScrollbarColorEditor &scrollbarEditor;
        ColorChooser &chooser;
        ColorHistory &history;
        MessageBox &messageBox;
    };

    explicit ColorIntake(const Parts &parts, QObject *parent = nullptr);

    void openFiles(const QStringList &paths);

signals:
    // A palette's colours replaced some of the page colours (either scheme),
    // or of the scrollbar's: they are no listed file's or remembered set's.
    void pageColorsImported();
    void scrollbarColorsImported();

private:
    void importPalette(const QString &path);
    void apply(const ImportedColors &colors);

    Parts m_parts;
};

// What a palette brought in, for the message after it: which colours came,
// then each colour moved to a web-safe one and each left out. Empty when
// every colour came in as the file gives it.
QString importMessage(const QString &fileName, const ImportedColors &colors);

} // namespace tintmill
