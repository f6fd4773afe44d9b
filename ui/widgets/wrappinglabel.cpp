#include "wrappinglabel.h"

#include <algorithm>

namespace tintmill {

WrappingLabel::WrappingLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(true);
}

void WrappingLabel::setWidestText(const QString &widest)
{
    m_widest = widest;
    updateGeometry();
}

int WrappingLabel::oneLineWidth(const QString &text) const
{
    const QMargins margins = contentsMargins();
    // One pixel over the text's own width, so that rounding in the text
    // layout does not wrap a line that was measured to fit.
    return fontMetrics().size(0, text).width() + margins.left() + margins.right() + 2 * margin() +
           1;
}

void WrappingLabel::forgetIfChanged() const
{
    if (text() != m_measuredText || font() != m_measuredFont) {
        m_measuredText = text();
        m_measuredFont = font();
        m_heights.clear();
    }
}

QSize WrappingLabel::sizeHint() const
{
    const int width = oneLineWidth(m_widest.isEmpty() ? text() : m_widest);
    return {width, heightForWidth(width)};
}

QSize WrappingLabel::minimumSizeHint() const
{
    // Given a narrowest width, a wrapping label's height is for
    // heightForWidth to say.
    if (minimumWidth() > 0)
        return {minimumWidth(), heightForWidth(minimumWidth())};
    return QLabel::minimumSizeHint();
}

int WrappingLabel::heightForWidth(int width) const
{
    forgetIfChanged();
    const auto known = m_heights.constFind(width);
    if (known != m_heights.cend())
        return *known;
    // Never lower than it was made: a line kept for a text to come stays
    // kept while there is none.
    return *m_heights.insert(width, std::max(QLabel::heightForWidth(width), minimumHeight()));
}

} // namespace tintmill
