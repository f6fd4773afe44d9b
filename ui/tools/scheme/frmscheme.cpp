#include "frmscheme.h"

#include "core/pageroletable.h"
#include "editor/pagecoloreditor.h"
#include "editor/pageschemes.h"
#include "editor/readabilitytexts.h"
#include "editor/viewoptions.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/previewpicture.h"
#include "ui/widgets/reflowlayout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tintmill {

namespace {

constexpr std::array<ColorScheme, 2> bothSchemes{ColorScheme::Light, ColorScheme::Dark};

QIcon makeSwatch(ColorNumber color, const QColor &frame)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(toQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(frame);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// The lowest contrast of the lines shown, with its level: where the scheme
// is hardest to read. (Only the ratios: the readability check's advice for
// each line is more than this needs, at every change.)
QString lowestContrast(const ReadabilityInput &input)
{
    std::optional<double> lowest;
    for (int block = 0; block < previewBlockCount; ++block) {
        const ColorNumber ground = input.colors.at(toIndex(previewBlockRoles.at(block)));
        for (int line = 0; line < sampleLineCount; ++line) {
            if (!input.shown.at(block).at(line))
                continue;
            const double ratio =
                contrastRatio(input.colors.at(toIndex(sampleLineRoles.at(line))), ground);
            lowest = std::min(ratio, lowest.value_or(ratio));
        }
    }
    if (!lowest)
        return QStringLiteral("いちばん低いコントラスト比\n—（表示している行がありません）");
    return QStringLiteral("いちばん低いコントラスト比\n%1　%2")
        .arg(readabilitytexts::ratio(*lowest), readabilitytexts::levelText(contrastLevel(*lowest)));
}

} // namespace

FrmScheme::FrmScheme(PageSchemes &schemes, const PageColorEditor &editor,
                     const ViewOptions &viewOptions, QWidget *parent)
    : Pane("frmScheme", parent), m_schemes(schemes), m_viewOptions(viewOptions)
{
    QWidget *content = this->content();
    auto *choice = new QButtonGroup(this);
    auto *parts = new ReflowLayout;
    const std::array<const char *, 2> titles{"ライト", "ダーク"};
    const std::array<const char *, 2> choiceNames{"optSchemeLight", "optSchemeDark"};
    const std::array<const char *, 2> choiceCaptions{"ライトの色を編集する(&L)",
                                                     "ダークの色を編集する(&D)"};
    const std::array<const char *, 2> pictureNames{"picLight", "picDark"};
    const std::array<const char *, 2> lowestNames{"lblLightLowest", "lblDarkLowest"};
    for (std::size_t k = 0; k < bothSchemes.size(); ++k) {
        auto *box = new QGroupBox(QString::fromUtf8(titles.at(k)), content);
        auto *layout = new QVBoxLayout(box);
        m_choices.at(k) =
            optionButton(choiceNames.at(k), QString::fromUtf8(choiceCaptions.at(k)), box);
        choice->addButton(m_choices.at(k), static_cast<int>(k));
        m_pictures.at(k) = new PreviewPicture(box);
        m_pictures.at(k)->setObjectName(QString::fromLatin1(pictureNames.at(k)));
        m_pictures.at(k)->setAccessibleName(
            QStringLiteral("%1のプレビュー").arg(QString::fromUtf8(titles.at(k))));
        m_lowest.at(k) = label(lowestNames.at(k), QString(), box);
        m_lowest.at(k)->setWordWrap(true);
        layout->addWidget(m_choices.at(k));
        layout->addWidget(m_pictures.at(k), 0, Qt::AlignHCenter);
        layout->addWidget(m_lowest.at(k));
        layout->addStretch();
        // Side by side where there is room, the light one first.
        parts->addWidget(box, static_cast<int>(k));
    }
    connect(choice, &QButtonGroup::idClicked, &m_schemes,
            [this](int k) { m_schemes.edit(bothSchemes.at(static_cast<std::size_t>(k))); });

    m_table = new QTableWidget(pageRoleCount, 3, content);
    m_table->setObjectName(QStringLiteral("grdScheme"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("役割"), QStringLiteral("ライト"), QStringLiteral("ダーク")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    // One Tab stop, as every table: the arrow keys move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->setAccessibleName(QStringLiteral("役割ごとのライトとダークの色"));
    for (const PageRole role : listedPageRoles) {
        const int row = factsOf(role).listed;
        m_table->setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(factsOf(role).name)));
        m_table->setItem(row, 1, new QTableWidgetItem);
        m_table->setItem(row, 2, new QTableWidgetItem);
    }
    // Every row and column on show, so the table asks for all the room it
    // needs and the window never scrolls it.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *colours = new QGroupBox(QStringLiteral("役割ごとの色"), content);
    auto *coloursLayout = new QVBoxLayout(colours);
    coloursLayout->addWidget(m_table);
    body()->addLayout(parts);
    body()->addWidget(colours);
    // The two schemes side by side, the table under them.
    setDesignedSize(QSize(600, 690));

    auto *make = new QPushButton(QStringLiteral("ダークを作る(&M)"), content);
    make->setObjectName(QStringLiteral("cmdMakeDark"));
    make->setToolTip(QStringLiteral("ライトの色から、読みやすいウェブセーフカラーのダークの色を"
                                    "作り直します（元に戻すで取り消せます）"));
    addFootButton(make, Qt::AlignLeft);
    connect(make, &QPushButton::clicked, &m_schemes, &PageSchemes::makeDark);

    connect(&m_schemes, &PageSchemes::otherChanged, this, &FrmScheme::scheduleRefresh);
    connect(&m_schemes, &PageSchemes::editingChanged, this, &FrmScheme::scheduleRefresh);
    connect(&editor, &PageColorEditor::colorsChanged, this, &FrmScheme::scheduleRefresh);
    connect(&m_viewOptions, &ViewOptions::linesShownChanged, this, &FrmScheme::scheduleRefresh);
}

void FrmScheme::showEvent(QShowEvent *event)
{
    if (m_stale)
        refresh();
    Pane::showEvent(event);
}

void FrmScheme::scheduleRefresh()
{
    if (!isVisible())
        m_stale = true;
    if (m_refreshPending || !isVisible())
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &FrmScheme::refresh, Qt::QueuedConnection);
}

QIcon FrmScheme::swatch(ColorNumber color)
{
    // There are 216 web-safe colours at most to draw, each once.
    auto found = m_swatches.find(color);
    if (found == m_swatches.end())
        found = m_swatches.insert(color, makeSwatch(color, palette().color(QPalette::WindowText)));
    return *found;
}

void FrmScheme::refresh()
{
    m_refreshPending = false;
    m_stale = false;
    const std::array<std::optional<PageColorSet>, 2> sets{m_schemes.light(), m_schemes.dark()};
    m_choices.at(m_schemes.editing() == ColorScheme::Light ? 0 : 1)->setChecked(true);
    for (std::size_t k = 0; k < sets.size(); ++k) {
        const std::optional<PageColorSet> &set = sets.at(k);
        m_pictures.at(k)->setVisible(set.has_value());
        if (!set) {
            m_lowest.at(k)->setText(
                QStringLiteral("まだありません。「ダークを作る」か「ダークの色を編集する」で、"
                               "ライトの色から作ります。"));
            for (int row = 0; row < pageRoleCount; ++row) {
                m_table->item(row, 2)->setText(QStringLiteral("—"));
                // Drawn again when the dark colours come back.
                m_table->item(row, 2)->setIcon({});
            }
            continue;
        }
        ReadabilityInput input;
        input.colors = set->colors();
        for (int block = 0; block < previewBlockCount; ++block) {
            for (int line = 0; line < sampleLineCount; ++line)
                input.shown.at(block).at(line) =
                    m_viewOptions.isLineShown(static_cast<ViewOptions::Block>(block), line);
        }
        m_pictures.at(k)->showColors(input);
        m_lowest.at(k)->setText(lowestContrast(input));
        for (const PageRole role : listedPageRoles) {
            QTableWidgetItem *item = m_table->item(factsOf(role).listed, static_cast<int>(k) + 1);
            if (item->text() == set->caption(role))
                continue;
            item->setText(set->caption(role));
            item->setIcon(swatch(set->color(role)));
        }
    }
}

} // namespace tintmill
