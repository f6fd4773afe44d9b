#pragma once

#include "colorfileformat.h"

#include <QStringList>

namespace tintmill {

// What the colour files need of the colour set of their kind: read it as a
// stored set, replace it with one, and show its editor.
class ColorSetAccess
{
public:
    virtual ~ColorSetAccess() = default;

    virtual ColorFileKind kind() const = 0;
    // The current set in stored form under `description` (9 or 17 fields).
    virtual QStringList currentSet(const QString &description) const = 0;
    // Replaces the current set with a stored one (colours, and boxes for
    // scrollbar sets).
    virtual void apply(const QStringList &storedSet) = 0;
    // Brings this kind's editor to the front, where it has a page of its own.
    virtual void showEditor() = 0;
};

} // namespace tintmill
