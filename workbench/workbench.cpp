#include "workbench.h"

namespace tintmill {

Workbench::Workbench(const Services &services_) : services(services_)
{
    // The file mark (the chosen row of the open-file list) and the memory
    // mark (the chosen remembered set) show where the current set of their
    // kind came from, so at most one of them stands, and neither once the set
    // has changed otherwise. Clearing the file mark is ClearFileHighlight (page
    // files) or ClearFileHighlightSc (scrollbar files):
    // - a colour chosen by hand clears the file mark of its kind; a page
    //   colour clears the page memory mark too, while a single scrollbar
    //   colour leaves the remembered scrollbar set chosen;
    // - the numeric chooser clears the page file mark, whichever editor is
    //   on show;
    // - choosing or opening a file clears the memory mark of its kind;
    // - remembering a set or recalling one clears the file mark of its kind;
    // - undoing or redoing clears both marks of each kind it put back;
    // - switching the page colour scheme clears both page marks;
    // - a palette brought in clears both marks of each kind it changed.
    // Every code and tool that shows the colours follows the editor it reads
    // (the scrollbar's on/off boxes too), and the history records each change
    // except while the overwrite and release dialog is open. Followers are
    // connected in member order, which is the order they hear a change in.
    QObject::connect(&pageEditor, &PageColorEditor::colorsChanged, &readability,
                     &ReadabilityCheck::invalidate);
    QObject::connect(&viewOptions, &ViewOptions::linesShownChanged, &readability,
                     &ReadabilityCheck::invalidate);
    QObject::connect(&pageEditor, &PageColorEditor::colorsChanged, &styleGenerator,
                     &StyleGenerator::UpdateBlockSwatch);
    QObject::connect(&pageEditor, &PageColorEditor::colorsChanged, &colorExport,
                     &ColorExportCode::generate);
    QObject::connect(&pageEditor, &PageColorEditor::colorsChanged, &history, &ColorHistory::record);
    // The scheme not being edited: the export shows both, the history keeps it.
    QObject::connect(&pageSchemes, &PageSchemes::otherChanged, &colorExport,
                     &ColorExportCode::generate);
    QObject::connect(&pageSchemes, &PageSchemes::otherChanged, &history, &ColorHistory::record);
    QObject::connect(&pageSchemes, &PageSchemes::makingDark, &history,
                     [this] { history.nameNextStep(QStringLiteral("ダークを作る")); });
    QObject::connect(&pageSchemes, &PageSchemes::darkMade, &history,
                     [this] { history.nameNextStep({}); });
    for (const auto signal :
         {&ScrollbarColorEditor::colorsChanged, &ScrollbarColorEditor::enabledClicked}) {
        QObject::connect(&scrollbarEditor, signal, &modernScrollbarCode,
                         &ModernScrollbarCode::generate);
        QObject::connect(&scrollbarEditor, signal, &colorExport, &ColorExportCode::generate);
    }
    QObject::connect(&scrollbarEditor, &ScrollbarColorEditor::colorsChanged, &history,
                     &ColorHistory::record);
    QObject::connect(&scrollbarEditor, &ScrollbarColorEditor::enabledClicked, &history,
                     &ColorHistory::recordSwitch);
    for (ColorFiles *files : {&pageFiles, &scrollbarFiles})
        QObject::connect(files, &ColorFiles::sessionStarted, &history,
                         &ColorHistory::pauseWhileAlive);

    QObject::connect(&pageEditor, &PageColorEditor::changedByHand, &pageFiles.list(),
                     &ColorFileList::clearMarks);
    QObject::connect(&pageEditor, &PageColorEditor::changedByHand, &pageMemory,
                     &PageMemory::clearChoice);
    QObject::connect(&scrollbarEditor, &ScrollbarColorEditor::changedByHand, &scrollbarFiles.list(),
                     &ColorFileList::clearMarks);
    QObject::connect(&chooser, &ColorChooser::chosenByNumbers, &pageFiles.list(),
                     &ColorFileList::clearMarks);
    const auto marksOfOneKind = [this](ColorFiles &files, ColorMemory &memory, auto restored) {
        QObject::connect(&files, &ColorFiles::fileChosen, &memory, &ColorMemory::clearChoice);
        QObject::connect(&memory, &ColorMemory::rowChosen, &files.list(),
                         &ColorFileList::clearMarks);
        QObject::connect(&history, restored, &files.list(), &ColorFileList::clearMarks);
        QObject::connect(&history, restored, &memory, &ColorMemory::clearChoice);
    };
    marksOfOneKind(pageFiles, pageMemory, &ColorHistory::pageColorsRestored);
    // The other scheme's colours are no file's and no remembered set's.
    QObject::connect(&pageSchemes, &PageSchemes::editingChanged, &pageFiles.list(),
                     &ColorFileList::clearMarks);
    QObject::connect(&pageSchemes, &PageSchemes::editingChanged, &pageMemory,
                     &ColorMemory::clearChoice);
    marksOfOneKind(scrollbarFiles, scrollbarMemory, &ColorHistory::scrollbarColorsRestored);
    const auto importClears = [this](ColorFiles &files, ColorMemory &memory,
                                     void (ColorIntake::*imported)()) {
        QObject::connect(&intake, imported, &files.list(), &ColorFileList::clearMarks);
        QObject::connect(&intake, imported, &memory, &ColorMemory::clearChoice);
    };
    importClears(pageFiles, pageMemory, &ColorIntake::pageColorsImported);
    importClears(scrollbarFiles, scrollbarMemory, &ColorIntake::scrollbarColorsImported);

    // The dark colours are kept once a file holds them: a page colour file
    // saved or overwritten while they are edited, or an export, which holds
    // both schemes whenever there are two. The clipboard does not count: it
    // is gone when the program that copied ends, unless the desktop keeps it.
    QObject::connect(&pageFiles, &ColorFiles::currentSetWritten, &pageSchemes, [this] {
        if (pageSchemes.editing() == ColorScheme::Dark)
            pageSchemes.darkWrittenOut();
    });
    QObject::connect(&colorExport, &ColorExportCode::saved, &pageSchemes,
                     &PageSchemes::darkWrittenOut);
}

} // namespace tintmill
