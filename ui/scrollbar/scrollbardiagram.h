#pragma once

#include "core/roles.h"

#include <QWidget>
#include <array>
#include <optional>

namespace tintmill {

// A magnified drawing of a scrollbar: a thumb with its four bevel edges, the
// track, a down-arrow button and, under it all, a brace for the base colour.
// A leader line runs from each part to the right edge at the height of the
// part's row of controls. Clicking a part selects its role.
class ScrollbarDiagram : public QWidget
{
    Q_OBJECT

public:
    // `rowCentres` are the heights, in this widget, of the rows by role.
    ScrollbarDiagram(const std::array<int, scrollbarRoleCount> &rowCentres,
                     QWidget *parent = nullptr);

    // Where the leader line of `role` starts, on the drawing.
    QPoint anchor(ScrRole role) const;
    std::optional<ScrRole> roleAt(const QPoint &position) const;

signals:
    void roleClicked(tintmill::ScrRole role);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::array<int, scrollbarRoleCount> m_rowCentres;
};

} // namespace tintmill
