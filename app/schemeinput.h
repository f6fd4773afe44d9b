#pragma once

#include "arguments.h"
#include "editor/pageschemes.h"
#include "inputcolors.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tintmill {

// The input of --export and --check with its page colour schemes: the light
// one, and the dark one, from --dark's file or from the input itself.
struct SchemeInput
{
    InputColors colors; // `dark` filled from --dark's file where given
    // Where the dark scheme was read, to name it: --dark's file, or the input.
    QByteArray darkPath;
    QString darkDescription;
    // Its bytes, where --dark's colour file gave them.
    std::optional<QByteArray> darkDescriptionBytes;
    // --scheme: only this one of the two.
    std::optional<ColorScheme> only;
};

// --scheme's value: none when not given or not a scheme's name.
std::optional<ColorScheme> schemeNamed(const QByteArray &name);

// Reads the input and --dark's file. Gives nothing when either cannot be
// used, with `status` set and the reason told: a file that cannot be read
// (3), --dark beside a file that holds a dark scheme itself or --scheme
// asking for a scheme there is not (2).
std::optional<SchemeInput> readSchemeInput(const Arguments &arguments, int &status);

} // namespace tintmill
