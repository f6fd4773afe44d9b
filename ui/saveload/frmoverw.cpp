#include "frmoverw.h"

#include "files/overwritereleasesession.h"
#include "scrollingrowlist.h"
#include "ui/widgets/mousemovewatch.h"
#include "ui/widgets/twips.h"

#include <QLabel>
#include <QPushButton>

namespace tintmill {

namespace {

QLabel *hintLabel(const char *name, const QString &text, QWidget *parent)
{
    // The hints are kept with CR LF between their lines; a label breaks at LF.
    auto *label =
        new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

FrmOverW::FrmOverW(OverwriteReleaseSession &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("frmOverW"));
    setModal(true);
    setWindowTitle(m_session.caption());
    setFixedSize(twips::rect(0, 0, 6615, 5055).size());
    // Over the main window's corner, so that its preview stays in sight.
    if (parent != nullptr)
        move(parent->pos());

    // The labels run wider and taller than the design's, and the headers
    // start a little higher, so that their text shows whole in this font.
    QLabel *previewHint = hintLabel("Label2", OverwriteReleaseSession::previewHint(), this);
    twips::place(previewHint, 480, 240, 6015, 270);
    QLabel *modeHint = hintLabel("Label1", m_session.hint(), this);
    twips::place(modeHint, 480, 600, 6015, 540);

    QLabel *fileHeader = hintLabel("Label7", QStringLiteral("ファイル名"), this);
    twips::place(fileHeader, 240, 1170, 2805, 270);
    QLabel *infoHeader = hintLabel("Label8", QStringLiteral("説明"), this);
    twips::place(infoHeader, 3045, 1170, 3015, 270);

    m_rows = new ScrollingRowList(m_session.rows(),
                                  {"PicFile",
                                   6135,
                                   2750,
                                   {{"TxtFile", 0, 2775}, {"TxtInfo", 2760, 3015}},
                                   "VScFile",
                                   5800,
                                   2655},
                                  this);
    twips::place(m_rows, 240, 1440, 6135, 2750);

    auto *release = new QPushButton(QStringLiteral("解放(&R)"), this);
    release->setObjectName(QStringLiteral("CmdRelease"));
    twips::place(release, 3120, 4320, 1455, 375);
    release->setVisible(m_session.releaseButtonShown());
    release->setEnabled(m_session.releaseEnabled());
    release->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    twips::place(cancel, 4800, 4320, 1575, 375);
    cancel->setAutoDefault(false);
    // Focus on a row would scroll it into sight; the list opens at its end.
    cancel->setFocus();

    connect(m_rows, &ScrollingRowList::rowHovered, &m_session, &OverwriteReleaseSession::hover);
    connect(m_rows, &ScrollingRowList::rowsLeft, &m_session, &OverwriteReleaseSession::leave);
    connect(m_rows, &ScrollingRowList::rowClicked, &m_session, &OverwriteReleaseSession::click);
    onMouseMove({this, fileHeader, infoHeader}, this, [this] { m_session.leave(); });
    connect(release, &QPushButton::clicked, &m_session, &OverwriteReleaseSession::CmdRelease_Click);
    connect(cancel, &QPushButton::clicked, &m_session, &OverwriteReleaseSession::CmdCancel_Click);
    connect(&m_session, &OverwriteReleaseSession::releaseEnabledChanged, release,
            &QWidget::setEnabled);
    connect(&m_session, &OverwriteReleaseSession::finished, this, &QDialog::accept);
}

void FrmOverW::done(int result)
{
    m_session.close();
    QDialog::done(result);
}

} // namespace tintmill
