#include "pageschemes.h"

#include "colorset/colortext.h"
#include "core/darkscheme.h"
#include "pagecoloreditor.h"
#include "viewoptions.h"

namespace tintmill {

PageSchemes::PageSchemes(PageColorEditor &editor, const ViewOptions &viewOptions, QObject *parent)
    : QObject(parent), m_editor(editor), m_viewOptions(viewOptions)
{}

PageColorSet PageSchemes::light() const
{
    return m_editing == ColorScheme::Light ? m_editor.colorSet() : *m_other;
}

std::optional<PageColorSet> PageSchemes::dark() const
{
    if (m_editing == ColorScheme::Dark)
        return m_editor.colorSet();
    return m_other;
}

void PageSchemes::edit(ColorScheme scheme)
{
    if (scheme == m_editing)
        return;
    const PageColorSet next =
        scheme == ColorScheme::Dark && !m_other ? derivedDark(light()) : *m_other;
    m_other = m_editor.colorSet();
    m_editing = scheme;
    m_editor.applyColorSet(next);
    emit otherChanged();
    emit editingChanged(m_editing);
}

void PageSchemes::makeDark()
{
    const PageColorSet made = derivedDark(light());
    emit makingDark();
    if (m_editing == ColorScheme::Dark) {
        if (made != m_editor.colorSet())
            m_editor.applyColorSet(made);
    } else if (m_other != made) {
        m_other = made;
        emit otherChanged();
    }
    emit darkMade();
}

void PageSchemes::restore(ColorScheme editing, const PageColorSet &light,
                          const std::optional<PageColorSet> &dark)
{
    const bool schemeChanged = editing != m_editing;
    const std::optional<PageColorSet> other =
        editing == ColorScheme::Light ? dark : std::optional<PageColorSet>(light);
    const bool otherDiffers = other != m_other;
    m_editing = editing;
    m_other = other;
    const PageColorSet &edited = editing == ColorScheme::Light ? light : *dark;
    if (edited != m_editor.colorSet())
        m_editor.applyColorSet(edited);
    if (otherDiffers || schemeChanged)
        emit otherChanged();
    if (schemeChanged)
        emit editingChanged(m_editing);
}

bool PageSchemes::darkUnwritten() const
{
    const std::optional<PageColorSet> current = dark();
    return current && current->colors() != m_writtenDark;
}

void PageSchemes::darkWrittenOut()
{
    if (const std::optional<PageColorSet> current = dark())
        m_writtenDark = current->colors();
}

PageColorSet derivedDarkSet(const PageColorSet &light,
                            const decltype(ReadabilityInput::shown) &shown)
{
    ReadabilityInput input;
    input.colors = light.colors();
    input.shown = shown;
    const std::array<ColorNumber, pageRoleCount> dark = deriveDarkColors(input);
    PageColorSet set;
    for (int k = 0; k < pageRoleCount; ++k)
        set.captions.at(k) = rrggbbText(dark.at(k));
    return set;
}

PageColorSet PageSchemes::derivedDark(const PageColorSet &light) const
{
    decltype(ReadabilityInput::shown) shown{};
    for (int block = 0; block < previewBlockCount; ++block) {
        for (int line = 0; line < sampleLineCount; ++line)
            shown.at(block).at(line) =
                m_viewOptions.isLineShown(static_cast<ViewOptions::Block>(block), line);
    }
    return derivedDarkSet(light, shown);
}

} // namespace tintmill
