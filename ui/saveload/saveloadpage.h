#pragma once

#include <QWidget>

class QGroupBox;

namespace tintmill {

// The "保存と読込" page: four frames, one above the other, each with the file
// list or the remembered-set list of one kind of colour set. The page only
// places them; each frame is built by its own list.
class SaveLoadPage : public QWidget
{
    Q_OBJECT

public:
    struct Frames
    {
        QGroupBox *pageFiles;       // Frame3
        QGroupBox *pageMemory;      // Frame4
        QGroupBox *scrollbarFiles;  // Frame8
        QGroupBox *scrollbarMemory; // Frame9
    };

    explicit SaveLoadPage(const Frames &frames, QWidget *parent = nullptr);

    // An empty frame with its name and caption, for a list not built yet.
    static QGroupBox *emptyFrame(const char *objectName, const QString &caption);
};

} // namespace tintmill
