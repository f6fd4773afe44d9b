#pragma once

#include "core/csscolor.h"
#include "core/nearestwebsafe.h"

#include <QObject>
#include <QString>
#include <optional>

namespace tintmill {

class ColorChooser;

// A colour brought in from outside (typed as CSS, or picked from the screen),
// the web-safe colours nearest to it, and which of them is chosen to apply.
// Applying goes the way a colour button press goes, to whichever colour set
// and role the main window has selected.
class NearestColor : public QObject
{
    Q_OBJECT

public:
    explicit NearestColor(ColorChooser &chooser, QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    // Reads `text` as a CSS colour; the nearest colour becomes the chosen one.
    void setText(const QString &text);
    // A colour picked from the screen, brought in as its "#RRGGBB" text.
    void setPicked(ColorNumber color);

    // The colour read from the text; none while the text is empty or unreadable.
    const std::optional<CssColor> &given() const { return m_given; }
    // Why there is no given colour.
    const CssColorRefusal &refusal() const { return m_refusal; }
    // Nearest first; meaningful while there is a given colour.
    const std::array<WebSafeMatch, nearestMatchCount> &matches() const { return m_matches; }

    // Which of matches() "適用" applies, 0..nearestMatchCount−1.
    int chosen() const { return m_chosen; }
    void choose(int rank);

    // Applies the chosen colour as its colour button would; false when there
    // is no colour to apply.
    bool apply();

signals:
    // The text, the given colour and its matches changed together.
    void changed();
    void chosenChanged(int rank);

private:
    ColorChooser &m_chooser;
    QString m_text;
    std::optional<CssColor> m_given;
    CssColorRefusal m_refusal{CssColorProblem::Empty, {}};
    std::array<WebSafeMatch, nearestMatchCount> m_matches{};
    int m_chosen = 0;
};

} // namespace tintmill
