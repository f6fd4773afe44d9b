#pragma once

#include "core/color.h"
#include "ui/panes/pane.h"

#include <QHash>
#include <QIcon>
#include <array>

class QLabel;
class QRadioButton;
class QTableWidget;

namespace tintmill {

class PageColorEditor;
class PageSchemes;
class PreviewPicture;
class ViewOptions;

// The pane `frmScheme`: the light and the dark page colours side by
// side, each scheme's preview and lowest contrast, each role's two colours,
// which scheme the main window edits, and "ダークを作る". It shows the
// schemes and forwards the user's choices; closing it changes nothing.
class FrmScheme : public Pane
{
    Q_OBJECT

public:
    FrmScheme(PageSchemes &schemes, const PageColorEditor &editor, const ViewOptions &viewOptions,
              QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scheduleRefresh();
    void refresh();
    QIcon swatch(ColorNumber color);

    PageSchemes &m_schemes;
    const ViewOptions &m_viewOptions;
    // Light first, then dark.
    std::array<QRadioButton *, 2> m_choices{};
    std::array<PreviewPicture *, 2> m_pictures{};
    std::array<QLabel *, 2> m_lowest{};
    QTableWidget *m_table;
    QHash<ColorNumber, QIcon> m_swatches;
    bool m_refreshPending = false;
    // Not shown yet, or changed while closed: shown, it catches up.
    bool m_stale = true;
};

} // namespace tintmill
