#pragma once

#include "core/color.h"
#include "platform/toggle.h"

#include <QObject>
#include <QString>

namespace tintmill {

class PageColorEditor;

// The background and text style generator: its boxes and options, whether
// there is anything to generate, the swatch of the chosen block's colour and
// the style text last built.
//
// The options follow their boxes: the quote options are enabled exactly while
// chkStyle is ticked, the block options exactly while chkBack is ticked. The
// state is consistent from construction on (all boxes unticked, every option
// and the generate button disabled), so start-up only has to tick the boxes.
class StyleGenerator : public QObject
{
    Q_OBJECT

public:
    enum QuoteOption
    {
        optDouble = 0,
        optSingle = 1
    };
    enum BlockOption
    {
        optDai = 0,
        optTyuu = 1,
        optSyou = 2
    };

    explicit StyleGenerator(const PageColorEditor &editor, QObject *parent = nullptr);

    Toggle chkStyle;
    Toggle chkSpace;
    Toggle chkBack;
    Toggle chkColor;
    OptionGroup quote{2, optDouble};
    OptionGroup block{3, optDai};

    bool canGenerate() const { return m_canGenerate; }
    const QString &text() const { return m_text; }

    // The colour the style text would use as background right now.
    ColorNumber blockSwatchColor() const;
    // Tells the swatch to repaint (after a colour or block choice changed).
    void UpdateBlockSwatch();

    void generate();

signals:
    void canGenerateChanged(bool canGenerate);
    void textChanged();
    void swatchChanged();

private:
    void noStyleCheck();

    const PageColorEditor &m_editor;
    bool m_canGenerate = false;
    QString m_text;
};

} // namespace tintmill
