#include "frmcheck.h"

#include "contrasttable.h"
#include "editor/readabilitycheck.h"
#include "suggestionlist.h"
#include "ui/widgets/reflowlayout.h"
#include "ui/widgets/wrappinglabel.h"
#include "visionpreviews.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintmill {

namespace {

QGroupBox *group(const QString &title, QWidget *content, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

FrmCheck::FrmCheck(ReadabilityCheck &check, QWidget *parent)
    : Pane("frmCheck", parent), m_check(check)
{
    // The table with the suggestions under it, and the pictures beside
    // them where there is room (the pane then stays low enough for a
    // small screen), else under them.
    QWidget *content = this->content();
    m_table = new ContrastTable(content);
    auto *legend = new WrappingLabel(
        QStringLiteral(
            "◎ AAA：7:1以上　○ AA：4.5:1以上　△ 大きな文字のみ：3:1以上　× 不合格：3:1未満\n"
            "薄く表示したセルは、表示メニューで隠している行です。"),
        content);
    legend->setObjectName(QStringLiteral("lblLegend"));
    auto *tableArea = new QWidget(content);
    auto *tableLayout = new QVBoxLayout(tableArea);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(m_table);
    tableLayout->addWidget(legend);

    m_suggestions = new SuggestionList(content);
    m_previews = new VisionPreviews(content);

    auto *parts = new ReflowLayout;
    parts->addWidget(group(QStringLiteral("コントラスト比（WCAG 2）"), tableArea, content), 0);
    parts->addWidget(
        group(QStringLiteral("AAに届くいちばん近いウェブセーフカラー"), m_suggestions, content), 0);
    parts->addWidget(group(QStringLiteral("色覚による見え方"), m_previews, content), 1);
    body()->addLayout(parts);

    connect(&m_check, &ReadabilityCheck::changed, this, &FrmCheck::scheduleRefresh);
    connect(m_suggestions, &SuggestionList::applyRequested, &m_check,
            &ReadabilityCheck::applySuggestion);
    // Its size depends on what it shows: the check is shown before the
    // pane is first laid out.
    refresh();
}

void FrmCheck::showEvent(QShowEvent *event)
{
    // Changes while closed were not shown; catch up before the first paint.
    // Opened again with nothing changed, there is nothing to redo.
    if (m_stale)
        refresh();
    Pane::showEvent(event);
}

void FrmCheck::scheduleRefresh()
{
    // A block's All item changes six lines one after another; show the check
    // once, before the next frame, rather than six times. Hidden, the pane
    // catches up when shown again.
    if (!isVisible())
        m_stale = true;
    if (m_refreshPending || !isVisible())
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &FrmCheck::refresh, Qt::QueuedConnection);
}

void FrmCheck::refresh()
{
    m_refreshPending = false;
    m_stale = false;
    const ReadabilityInput input = m_check.input();
    const ReadabilityReport &report = m_check.report();
    m_table->showReport(input, report);
    m_suggestions->showReport(input, report);
    m_previews->showColors(input);
}

} // namespace tintmill
