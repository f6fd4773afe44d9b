#include "stylegenerator.h"

#include "editor/pagecoloreditor.h"
#include "pagecolorcode.h"

namespace tintmill {

StyleGenerator::StyleGenerator(const PageColorEditor &editor, QObject *parent)
    : QObject(parent), m_editor(editor)
{
    quote.setAllEnabled(false);
    block.setAllEnabled(false);

    // Each box sets its options to its own state rather than flipping them, so
    // the options can never drift out of step with the box.
    connect(&chkStyle, &Toggle::clicked, this, [this] {
        quote.setAllEnabled(chkStyle.isChecked());
        noStyleCheck();
    });
    connect(&chkBack, &Toggle::clicked, this, [this] {
        block.setAllEnabled(chkBack.isChecked());
        noStyleCheck();
    });
    connect(&chkColor, &Toggle::clicked, this, &StyleGenerator::noStyleCheck);

    connect(&block, &OptionGroup::clicked, this, &StyleGenerator::UpdateBlockSwatch);
}

ColorNumber StyleGenerator::blockSwatchColor() const
{
    return m_editor.color(backgroundRole(static_cast<StyleBlock>(block.selected())));
}

void StyleGenerator::UpdateBlockSwatch()
{
    emit swatchChanged();
}

void StyleGenerator::generate()
{
    const StyleChoice choice{
        chkSpace.isChecked(),
        chkStyle.isChecked(),
        quote.isSelected(optDouble) ? Quote::Double : Quote::Single,
        chkColor.isChecked(),
        chkBack.isChecked(),
        static_cast<StyleBlock>(block.selected()),
    };
    m_text = styleText(choice, m_editor.colorSet());
    emit textChanged();
}

void StyleGenerator::noStyleCheck()
{
    const bool any = chkStyle.isChecked() || chkBack.isChecked() || chkColor.isChecked();
    if (any == m_canGenerate)
        return;
    m_canGenerate = any;
    emit canGenerateChanged(any);
}

} // namespace tintmill
