#include "colorfileframe.h"

#include "files/colorfiles.h"
#include "frmoverw.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/mousemovewatch.h"
#include "ui/widgets/twips.h"

#include <QLabel>
#include <QPushButton>

namespace tintmill {

ColorFileFrameDesign ColorFileFrame::pageDesign()
{
    return {"Frame3",        "色設定ファイルの操作（背景・テキスト）",
            "CmdOpen",       "CmdRelease",
            "CmdSave",       "CmdOverW",
            {255, 192, 192}, "Label7",
            "Label8",        "PicFile",
            "TxtFile",       "TxtInfo",
            "VScFile"};
}

ColorFileFrameDesign ColorFileFrame::scrollbarDesign()
{
    return {"Frame8",        "色設定ファイルの操作（スクロールバー）",
            "cmdOpenSc",     "CmdReleaseSc",
            "CmdSaveSc",     "CmdOverWSc",
            {192, 255, 255}, "Label14",
            "Label15",       "PicFileSc",
            "ScrFile",       "ScrInfo",
            "VScFileSc"};
}

ColorFileFrame::ColorFileFrame(ColorFiles &files, const ColorFileFrameDesign &design,
                               RunDialog runDialog, QWidget *parent)
    : QGroupBox(QString::fromUtf8(design.caption), parent), m_files(files),
      m_runDialog(std::move(runDialog))
{
    setObjectName(QString::fromLatin1(design.frameName));

    QPushButton *open = button(design.openName, icons::openFile(), QStringLiteral("ファイルを開く"),
                               design.buttonColor, 240);
    QPushButton *release = button(design.releaseName, icons::releaseFiles(),
                                  QStringLiteral("ファイルを解放する"), design.buttonColor, 840);
    QPushButton *save = button(design.saveName, icons::saveNewFile(),
                               QStringLiteral("新規保存する"), design.buttonColor, 1440);
    QPushButton *overwrite = button(design.overwriteName, icons::overwriteFile(),
                                    QStringLiteral("上書き保存する"), design.buttonColor, 2040);

    auto *fileHeader = new QLabel(QStringLiteral("ファイル名"), this);
    fileHeader->setObjectName(QString::fromLatin1(design.fileHeaderName));
    // A line of this font needs 270 twips: the headers start a little higher.
    twips::placeInFrame(fileHeader, 1440, 210, 2085, 270);
    auto *infoHeader = new QLabel(QStringLiteral("説明"), this);
    infoHeader->setObjectName(QString::fromLatin1(design.infoHeaderName));
    twips::placeInFrame(infoHeader, 3525, 210, 2295, 270);

    m_rows = new ScrollingRowList(
        m_files.list(),
        {design.viewportName,
         4620,
         ColorFileList::viewportHeightInWindow,
         {{design.fileColumnPrefix, 0, 2055}, {design.infoColumnPrefix, 2040, 2295}},
         design.scrollBarName,
         4320,
         1870},
        this);
    twips::placeInFrame(m_rows, 1440, 480, 4620, ColorFileList::viewportHeightInWindow);

    connect(open, &QPushButton::clicked, &m_files, &ColorFiles::CmdOpen_Click);
    connect(save, &QPushButton::clicked, &m_files, &ColorFiles::CmdSave_Click);
    connect(overwrite, &QPushButton::clicked, this, [this] { runOverwriteOrRelease(true); });
    connect(release, &QPushButton::clicked, this, [this] { runOverwriteOrRelease(false); });

    ColorFileList &list = m_files.list();
    connect(m_rows, &ScrollingRowList::rowHovered, &list, &RowList::hover);
    connect(m_rows, &ScrollingRowList::rowsLeft, &list, &RowList::leave);
    connect(m_rows, &ScrollingRowList::rowClicked, &m_files, &ColorFiles::rowClicked);
    onMouseMove({this, fileHeader, infoHeader}, this, [&list] { list.leave(); });
}

QPushButton *ColorFileFrame::button(const char *name, const QIcon &icon, const QString &toolTip,
                                    const QColor &color, int top)
{
    QPushButton *button = icons::pictureButton(QString::fromLatin1(name), icon, toolTip, this);
    button->setIconSize(QSize(28, 28));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, color);
    button->setPalette(palette);
    twips::placeInFrame(button, 240, top, 975, 585);
    return button;
}

void ColorFileFrame::runOverwriteOrRelease(bool overwrite)
{
    std::unique_ptr<OverwriteReleaseSession> session =
        overwrite ? m_files.CmdOverW_Click() : m_files.CmdRelease_Click();
    if (!session)
        return;
    FrmOverW dialog(*session, window());
    m_runDialog(dialog);
}

} // namespace tintmill
