#include "defaultname.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>

namespace tintmill {

namespace {

constexpr int highestNumber = std::numeric_limits<std::int16_t>::max();
constexpr int lowestNumber = std::numeric_limits<std::int16_t>::min();

} // namespace

std::optional<int> defaultNameNumber(const QString &description)
{
    if (description.size() <= defaultNamePrefix.size() ||
        !description.startsWith(defaultNamePrefix))
        return std::nullopt;

    // ASCII digits only: [0-9], not \d, which would take other scripts' digits.
    static const QRegularExpression number(QStringLiteral("^([+-]?)([0-9]+)(?:\\.([0-9]+))?$"));
    const QRegularExpressionMatch match =
        number.match(QStringView(description).mid(defaultNamePrefix.size()));
    if (!match.hasMatch())
        return std::nullopt;

    // Rounded from the digits themselves, so that a long fraction such as
    // .50000000000000001 still rounds up, and a long number cannot overflow.
    QString whole = match.captured(2);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > 6)
        return std::nullopt;
    int value = whole.toInt();
    const QString fraction = match.captured(3);
    if (!fraction.isEmpty()) {
        const bool half = fraction.at(0) == u'5';
        const bool pastHalf = fraction.at(0) > u'5' ||
                              (half && std::any_of(fraction.begin() + 1, fraction.end(),
                                                   [](QChar digit) { return digit != u'0'; }));
        if (pastHalf || (half && value % 2 == 1))
            ++value;
    }
    if (match.captured(1) == QStringLiteral("-"))
        value = -value;
    if (value < lowestNumber || value > highestNumber)
        return std::nullopt;
    return value;
}

int nextDefaultNumber(const QStringList &descriptions)
{
    std::set<int> taken;
    for (const QString &description : descriptions) {
        if (const std::optional<int> number = defaultNameNumber(description))
            taken.insert(*number);
    }
    const int largest = taken.empty() ? 0 : std::max(*taken.rbegin(), 0);
    if (largest < highestNumber)
        return largest + 1;
    // The successor would not fit. A store holds a handful of sets, so a
    // lower number is always free; names stay distinct and nothing is lost.
    int free = 1;
    while (taken.count(free) != 0)
        ++free;
    return free;
}

} // namespace tintmill
