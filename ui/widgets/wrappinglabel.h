#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>

namespace tintmill {

// A label that keeps each line of its text whole where there is room, and
// wraps it where there is not: a window laid out at its designed size looks
// as it did with a one-line label, and a narrow one shows all of the text
// without scrolling sideways.
class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappingLabel(const QString &text = {}, QWidget *parent = nullptr);

    // Asks, where there is room, for the width `widest` needs on one line,
    // whatever the text shown: a label whose text changes keeps its place,
    // and so does everything beside it. Unset, the width its own text needs.
    void setWidestText(const QString &widest);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    int oneLineWidth(const QString &text) const;
    // Layouts ask the same questions many times over while a window is laid
    // out, and each answer lays the text out: answers are kept until the
    // text or the font changes.
    void forgetIfChanged() const;

    QString m_widest;
    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable QHash<int, int> m_heights;
};

} // namespace tintmill
