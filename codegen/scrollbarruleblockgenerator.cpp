#include "scrollbarruleblockgenerator.h"

#include "scrollbar/scrollbarcoloreditor.h"
#include "scrollbarcodeoptions.h"

namespace tintmill {

ScrollbarRuleBlockGenerator::ScrollbarRuleBlockGenerator(const ScrollbarColorEditor &editor,
                                                         const ScrollbarCodeOptions &options,
                                                         QObject *parent)
    : QObject(parent), m_editor(editor), m_options(options)
{}

void ScrollbarRuleBlockGenerator::generate()
{
    m_text = scrollbarRuleBlock(m_editor.colorSet(), m_options.ruleBlockTarget());
    emit textChanged();
}

} // namespace tintmill
