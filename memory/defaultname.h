#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tintmill {

// A remembered set saved without a description is named with this prefix and
// a number one higher than any number already carried by such a name.
inline const QString defaultNamePrefix = QStringLiteral("名もない色 その");

// The number a description of the default form carries, rounded to a whole
// number (a half goes to the even neighbour). Nothing when the description
// is not of that form or the number does not fit 16 signed bits. The number
// is a sign, digits and a decimal fraction only: no exponent, no separators,
// no blanks.
std::optional<int> defaultNameNumber(const QString &description);

// The number for the next default name among `descriptions`: one more than
// the largest number found, at least 1. Should that largest number be the
// highest a name may carry, the lowest positive number no name carries yet.
int nextDefaultNumber(const QStringList &descriptions);

} // namespace tintmill
