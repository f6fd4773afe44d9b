#pragma once

#include <QObject>

namespace tintmill {

// The scrollbar colour set: eight scrollbar colour properties, each with an
// on/off flag, previewed on a generated page in the embedded browser view.
class ScrollbarColorEditor : public QObject
{
    Q_OBJECT

public:
    explicit ScrollbarColorEditor(QObject *parent = nullptr);

    // Applies colour button `tmpIndex` (0..215) to the selected scrollbar role.
    void ScrColorChange(int tmpIndex);
};

} // namespace tintmill
