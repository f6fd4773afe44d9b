#include "readabilitycheck.h"

#include "pagecoloreditor.h"
#include "viewoptions.h"

namespace tintmill {

ReadabilityCheck::ReadabilityCheck(PageColorEditor &editor, const ViewOptions &viewOptions,
                                   QObject *parent)
    : QObject(parent), m_editor(editor), m_viewOptions(viewOptions)
{}

ReadabilityInput ReadabilityCheck::input() const
{
    ReadabilityInput input;
    for (const PageRole role : allPageRoles)
        input.colors.at(toIndex(role)) = m_editor.color(role);
    for (int b = 0; b < previewBlockCount; ++b)
        for (int line = 0; line < sampleLineCount; ++line)
            input.shown.at(b).at(line) =
                m_viewOptions.isLineShown(static_cast<ViewOptions::Block>(b), line);
    return input;
}

const ReadabilityReport &ReadabilityCheck::report() const
{
    if (!m_report)
        m_report = checkReadability(input());
    return *m_report;
}

bool ReadabilityCheck::applySuggestion(int line)
{
    if (line < 0 || line >= sampleLineCount)
        return false;
    const LineAdvice &advice = report().advice.at(line);
    if (!advice.suggestion && !advice.background)
        return false;
    // A text colour for the line, or else a background for the block.
    const PageRole role = advice.suggestion ? sampleLineRoles.at(line)
                                            : previewBlockRoles.at(advice.background->block);
    const int color = advice.suggestion ? *advice.suggestion : advice.background->color;
    const PageRole selected = m_editor.selectedRole();
    if (selected != role)
        m_editor.setSelectedRole(role);
    m_editor.ColorChange(color);
    if (selected != role)
        m_editor.setSelectedRole(selected);
    return true;
}

void ReadabilityCheck::invalidate()
{
    m_report.reset();
    emit changed();
}

} // namespace tintmill
