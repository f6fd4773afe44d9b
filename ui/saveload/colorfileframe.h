#pragma once

#include "scrollingrowlist.h"

#include <QColor>
#include <QGroupBox>
#include <functional>

class QDialog;
class QLabel;
class QPushButton;

namespace tintmill {

class ColorFiles;

// Names and colours of one colour file frame; places and sizes are the same
// for both kinds.
struct ColorFileFrameDesign
{
    const char *frameName;
    const char *caption;
    const char *openName;
    const char *releaseName;
    const char *saveName;
    const char *overwriteName;
    QColor buttonColor;
    const char *fileHeaderName;
    const char *infoHeaderName;
    const char *viewportName;
    const char *fileColumnPrefix;
    const char *infoColumnPrefix;
    const char *scrollBarName;
};

// A frame of the "保存と読込" page with one kind's colour files: the open,
// release, save and overwrite buttons down its left side, the list of open
// files beside them. The overwrite and release dialog is run through
// `runDialog`, so that it can be driven without blocking.
class ColorFileFrame : public QGroupBox
{
    Q_OBJECT

public:
    using RunDialog = std::function<void(QDialog &)>;

    ColorFileFrame(ColorFiles &files, const ColorFileFrameDesign &design, RunDialog runDialog,
                   QWidget *parent = nullptr);

    static ColorFileFrameDesign pageDesign();      // Frame3
    static ColorFileFrameDesign scrollbarDesign(); // Frame8

    ScrollingRowList &rowList() const { return *m_rows; }

private:
    QPushButton *button(const char *name, const QIcon &icon, const QString &toolTip,
                        const QColor &color, int top);
    void runOverwriteOrRelease(bool overwrite);

    ColorFiles &m_files;
    RunDialog m_runDialog;
    ScrollingRowList *m_rows = nullptr;
};

} // namespace tintmill
