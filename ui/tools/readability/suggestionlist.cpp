#include "suggestionlist.h"

#include "colorset/colortext.h"
#include "editor/readabilitytexts.h"
#include "ui/widgets/colorswatch.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/wrappinglabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tintmill {

namespace {

const QString noPassingColor =
    QStringLiteral("表示中のすべてのブロックで4.5:1に届くウェブセーフカラーはありません");
const QString passes = QStringLiteral("表示中のブロックではAA以上です");
const QString notShown = QStringLiteral("どのブロックにも表示していません");
// A suggestion without its lowest ratio, which a narrow window moves to a
// line of its own.
const QString suggestionHead = QStringLiteral("小ブロックの背景 #FFFFFF");

// Hidden, a widget keeps its place, so that the columns never move.
template<typename Widget> Widget *keepingPlace(Widget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

} // namespace

SuggestionList::SuggestionList(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int line = 0; line < sampleLineCount; ++line) {
        Row &row = m_rows.at(line);
        const QString suffix = QStringLiteral("_%1").arg(line);
        row.name = new QLabel(readabilitytexts::lineName(line), this);
        row.current = new ColorSwatch(this);
        row.current->setObjectName(QStringLiteral("picCurrent") + suffix);
        row.currentText = new QLabel(this);
        row.currentText->setObjectName(QStringLiteral("lblCurrent") + suffix);
        // Fixed-pitch, as the colour captions on the main window.
        row.currentText->setFont(fonts::gothic(9));
        row.currentText->setFixedWidth(
            QFontMetrics(row.currentText->font()).horizontalAdvance(QStringLiteral("#FFFFFF")));
        row.arrow = keepingPlace(new QLabel(QStringLiteral("→"), this));
        row.suggested = keepingPlace(new ColorSwatch(this));
        row.suggested->setObjectName(QStringLiteral("picSuggest") + suffix);
        auto *suggestion = new WrappingLabel(QString(), this);
        suggestion->setObjectName(QStringLiteral("lblSuggest") + suffix);
        // As wide as its longest text from the start, where there is room: a
        // window that resized itself with the colours would repaint whole
        // every time. In a narrow window the texts wrap.
        const QFontMetrics metrics(suggestion->font());
        suggestion->setWidestText(noPassingColor);
        suggestion->setMinimumWidth(metrics.horizontalAdvance(suggestionHead));
        row.suggestion = suggestion;
        row.apply = keepingPlace(new QPushButton(QStringLiteral("適用"), this));
        row.apply->setObjectName(QStringLiteral("cmdApply") + suffix);
        // Enter in the window must not change a colour by accident.
        row.apply->setAutoDefault(false);
        connect(row.apply, &QPushButton::clicked, this,
                [this, line] { emit applyRequested(line); });

        const QList<QWidget *> columns{row.name,      row.current,    row.currentText, row.arrow,
                                       row.suggested, row.suggestion, row.apply};
        for (int column = 0; column < columns.size(); ++column)
            grid->addWidget(columns.at(column), line, column);
    }
}

void SuggestionList::showReport(const ReadabilityInput &input, const ReadabilityReport &report)
{
    for (int line = 0; line < sampleLineCount; ++line) {
        const Row &row = m_rows.at(line);
        const LineAdvice &advice = report.advice.at(line);
        // On the left, the colour the suggestion would replace: the block's
        // background where that is what changes.
        const PageRole replaced = !advice.suggestion && advice.background
                                      ? previewBlockRoles.at(advice.background->block)
                                      : sampleLineRoles.at(line);
        const ColorNumber current = input.colors.at(toIndex(replaced));
        row.current->setColor(current);
        row.currentText->setText(rrggbbText(current));

        const bool suggested = advice.suggestion.has_value() || advice.background.has_value();
        row.arrow->setVisible(suggested);
        row.suggested->setVisible(suggested);
        row.apply->setVisible(suggested);
        if (!suggested) {
            bool shown = false;
            for (const auto &block : input.shown)
                shown = shown || block.at(line);
            row.suggestion->setText(advice.failing ? noPassingColor : shown ? passes : notShown);
            continue;
        }
        // Which kind of change it is, in words: the line's own colour, or the
        // background of a block, which changes it for every line there.
        const bool ownColor = advice.suggestion.has_value();
        const ColorNumber color =
            webSafeColor(ownColor ? *advice.suggestion : advice.background->color);
        const QString text = rrggbbText(color);
        const QString kind = ownColor ? QStringLiteral("文字色")
                                      : readabilitytexts::blockName(advice.background->block) +
                                            QStringLiteral("の背景");
        const double lowest = ownColor ? advice.suggestionRatio : advice.background->ratio;
        row.suggested->setColor(color);
        row.suggestion->setText(kind + u' ' + text + QStringLiteral("（最低 ") +
                                readabilitytexts::ratio(lowest) + QStringLiteral("）"));
        row.apply->setToolTip(
            (ownColor ? readabilitytexts::lineName(line) + QStringLiteral("の色") : kind + u'色') +
            QStringLiteral("を") + text + QStringLiteral("にします"));
        row.apply->setAccessibleName(row.apply->toolTip());
    }
}

} // namespace tintmill
