#include "nearestcolor.h"

#include "colorchooser.h"
#include "colorset/colortext.h"

#include <utility>

namespace tintmill {

NearestColor::NearestColor(ColorChooser &chooser, QObject *parent)
    : QObject(parent), m_chooser(chooser)
{}

void NearestColor::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    CssColorReading reading = readCssColor(text.toStdString());
    m_given = reading.color;
    m_refusal = std::move(reading.refusal);
    if (m_given)
        m_matches = nearestWebSafe(m_given->color);
    const bool chosenMoved = m_chosen != 0;
    m_chosen = 0;
    emit changed();
    if (chosenMoved)
        emit chosenChanged(m_chosen);
}

void NearestColor::setPicked(ColorNumber color)
{
    setText(rrggbbText(color));
}

void NearestColor::choose(int rank)
{
    if (rank < 0 || rank >= nearestMatchCount || rank == m_chosen)
        return;
    m_chosen = rank;
    emit chosenChanged(rank);
}

bool NearestColor::apply()
{
    if (!m_given)
        return false;
    m_chooser.applyColorButton(m_matches.at(m_chosen).index);
    return true;
}

} // namespace tintmill
