#include "contrasttable.h"

#include "colorset/colortext.h"
#include "editor/readabilitytexts.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyle>

namespace tintmill {

namespace {

constexpr int sampleWidth = 480;  // twips
constexpr int sampleHeight = 330; // twips

} // namespace

ContrastTable::ContrastTable(QWidget *parent)
    : QTableWidget(sampleLineCount, previewBlockCount, parent)
{
    setObjectName(QStringLiteral("grdContrast"));
    setAccessibleName(QStringLiteral("コントラスト比"));
    setEditTriggers(NoEditTriggers);
    // A report, not a choice: the arrow keys move through it, nothing is
    // selected, and Tab goes on to the next control rather than cell by cell.
    setSelectionMode(NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(twips::rect(0, 0, sampleWidth, sampleHeight).size());

    for (int line = 0; line < sampleLineCount; ++line)
        setVerticalHeaderItem(line, new QTableWidgetItem(readabilitytexts::lineName(line)));
    for (int block = 0; block < previewBlockCount; ++block) {
        setHorizontalHeaderItem(block, new QTableWidgetItem);
        for (int line = 0; line < sampleLineCount; ++line) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setItem(line, block, cell);
        }
    }

    // Sized once for the widest texts a cell or header can hold, so that the
    // window keeps its size while the colours change.
    const QFontMetrics metrics(font());
    int textWidth = metrics.horizontalAdvance(QStringLiteral("21.00:1"));
    for (const ContrastLevel level :
         {ContrastLevel::Fail, ContrastLevel::LargeOnly, ContrastLevel::AA, ContrastLevel::AAA})
        textWidth =
            std::max(textWidth, metrics.horizontalAdvance(readabilitytexts::levelText(level)));
    const int padding = metrics.horizontalAdvance(QLatin1Char('M'));
    m_columnWidth = iconSize().width() + textWidth + 2 * padding;
    // Narrowed, a column keeps its sample and its widest text whole, with
    // the margins the style draws each of them with.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    m_narrowColumnWidth = std::min(m_columnWidth, iconSize().width() + textWidth + 4 * margin);
    const int rowHeight = std::max(iconSize().height(), 2 * metrics.lineSpacing()) + padding;
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(m_columnWidth);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(2 * metrics.lineSpacing() + padding);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

QSize ContrastTable::sizeHint() const
{
    // Every cell whole, with no scroll bar: the columns follow the width
    // the window gives, not the other way round.
    ensurePolished();
    const int frame = 2 * frameWidth();
    return {verticalHeader()->sizeHint().width() + previewBlockCount * m_columnWidth + frame,
            horizontalHeader()->height() +
                sampleLineCount * verticalHeader()->defaultSectionSize() + frame};
}

QSize ContrastTable::minimumSizeHint() const
{
    return sizeHint() - QSize(previewBlockCount * (m_columnWidth - m_narrowColumnWidth), 0);
}

void ContrastTable::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    horizontalHeader()->setDefaultSectionSize(
        std::clamp(viewport()->width() / previewBlockCount, m_narrowColumnWidth, m_columnWidth));
}

void ContrastTable::showReport(const ReadabilityInput &input, const ReadabilityReport &report)
{
    for (int block = 0; block < previewBlockCount; ++block) {
        const ColorNumber background = input.colors.at(toIndex(previewBlockRoles.at(block)));
        horizontalHeaderItem(block)->setText(readabilitytexts::blockName(block) +
                                             QLatin1Char('\n') + rrggbbText(background));
        for (int line = 0; line < sampleLineCount; ++line) {
            const ContrastCell &cell = report.cells.at(line).at(block);
            const ColorNumber text = input.colors.at(toIndex(sampleLineRoles.at(line)));
            QTableWidgetItem *item = this->item(line, block);
            auto &sample = m_samples.at(line).at(block);
            if (!m_samplesPainted || sample != std::pair(text, background)) {
                sample = {text, background};
                item->setIcon(sampleIcon(text, background));
            }
            item->setText(readabilitytexts::ratio(cell.ratio) + QLatin1Char('\n') +
                          readabilitytexts::levelText(cell.level));
            QString tip = readabilitytexts::lineName(line) + QStringLiteral("（") +
                          rrggbbText(text) + QStringLiteral("）／") +
                          readabilitytexts::blockName(block) + QStringLiteral("：") +
                          readabilitytexts::ratio(cell.ratio) + QLatin1Char('\n') +
                          readabilitytexts::levelMeaning(cell.level);
            if (!cell.shown)
                tip += QStringLiteral("\n（この行は表示メニューで隠しています）");
            item->setToolTip(tip);
            // Disabled items are drawn greyed, icon included.
            const Qt::ItemFlags flags = cell.shown ? Qt::ItemIsEnabled : Qt::NoItemFlags;
            if (item->flags() != flags)
                item->setFlags(flags);
        }
    }
    m_samplesPainted = true;
}

QIcon ContrastTable::sampleIcon(ColorNumber text, ColorNumber background) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(iconSize() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(toQColor(background));
    QPainter painter(&pixmap);
    painter.setPen(toQColor(text));
    painter.setFont(fonts::proportionalGothic(9.75));
    painter.drawText(QRect(QPoint(0, 0), iconSize()), Qt::AlignCenter, QStringLiteral("あA"));
    // A frame, so that a sample on the table's own white still reads as one.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(QPoint(0, 0), iconSize()).adjusted(0, 0, -1, -1));
    return {pixmap};
}

} // namespace tintmill
