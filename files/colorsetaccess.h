#pragma once

#include "colorfileformat.h"

namespace tintmill {

// What the colour files need of the colour set of their kind: read it as a
// set value, replace it with one, and show its editor.
class ColorSetAccess
{
public:
    virtual ~ColorSetAccess() = default;

    virtual ColorFileKind kind() const = 0;
    // The current set under `description`, of this kind.
    virtual StoredColorSet currentSet(const QString &description) const = 0;
    // Replaces the current set with one of this kind (colours, and switches
    // for scrollbar sets).
    virtual void apply(const StoredColorSet &set) = 0;
    // Brings this kind's editor to the front, where it has a page of its own.
    virtual void showEditor() = 0;
};

} // namespace tintmill
