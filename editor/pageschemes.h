#pragma once

#include "colorset/pagecolorset.h"
#include "core/readability.h"

#include <QObject>
#include <optional>

namespace tintmill {

class PageColorEditor;
class ViewOptions;

// Which of the page's two colour schemes: the light one every run starts
// with, or its dark counterpart.
enum class ColorScheme
{
    Light,
    Dark,
};

// The dark counterpart of `light`, the sample lines shown as `shown` says
// ([block][line]): readable on every block, web-safe, without a description.
// ダークを作る and the command line's --make-dark both make it here.
PageColorSet derivedDarkSet(const PageColorSet &light,
                            const decltype(ReadabilityInput::shown) &shown);

// The page colours of both schemes. The page colour editor works on one of
// them at a time, so that everything that follows the editor (captions,
// preview, code pages, files, memory, the readability check) follows the
// scheme being edited; the other waits here until it is edited again.
class PageSchemes : public QObject
{
    Q_OBJECT

public:
    PageSchemes(PageColorEditor &editor, const ViewOptions &viewOptions, QObject *parent = nullptr);

    ColorScheme editing() const { return m_editing; }
    bool hasDark() const { return m_editing == ColorScheme::Dark || m_other.has_value(); }
    // The colours of each scheme, the edited one as the editor holds them.
    PageColorSet light() const;
    std::optional<PageColorSet> dark() const;

    // Edits the other scheme; the first time the dark one is edited, it is
    // made from the light one.
    void edit(ColorScheme scheme);
    // The dark colours made afresh from the light ones, the sample lines
    // shown as the view options show them: readable on every block, web-safe.
    void makeDark();
    // What makeDark would make from `light`.
    PageColorSet derivedDark(const PageColorSet &light) const;

    // Puts back both schemes as the history kept them.
    void restore(ColorScheme editing, const PageColorSet &light,
                 const std::optional<PageColorSet> &dark);

    // Whether the dark colours would be lost on quitting: there are some, and
    // they are not the ones last written out. Only this run's colours are
    // compared, so an undo back to what was written loses nothing.
    bool darkUnwritten() const;
    // The dark colours as they are now are kept in a file (a page colour file
    // saved while they were edited, an export holding both schemes).
    void darkWrittenOut();

signals:
    // The scheme being edited changed (after the editor took its colours).
    void editingChanged(tintmill::ColorScheme scheme);
    // The colours of the scheme not being edited changed, or the dark one
    // came or went: what shows both schemes follows.
    void otherChanged();
    // Around makeDark's change, so that it is known as one.
    void makingDark();
    void darkMade();

private:
    PageColorEditor &m_editor;
    const ViewOptions &m_viewOptions;
    ColorScheme m_editing = ColorScheme::Light;
    // The scheme not being edited; none while only the light one exists.
    std::optional<PageColorSet> m_other;
    // The dark colours last written out, if any were.
    std::optional<std::array<ColorNumber, pageRoleCount>> m_writtenDark;
};

} // namespace tintmill
