#pragma once

#include "codegen/colorexport.h"
#include "colorset/pagecolorset.h"
#include "core/color.h"
#include "core/roles.h"
#include "editor/pageschemes.h"
#include "scrollbar/scrollbarcolorset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tintmill {

// The colours a file gives, by role index; a role it does not give is empty
// and keeps whatever colour it has.
using PageRoleColors = std::array<std::optional<ColorNumber>, pageRoleCount>;
using ScrollbarRoleColors = std::array<std::optional<ColorNumber>, scrollbarRoleCount>;

// A colour a file gives that is not web-safe, and the web-safe one it
// became: the nearest by CIEDE2000.
struct ColorSnap
{
    ColorRole role;
    // The scrollbar's colours are the same in both schemes: Light.
    ColorScheme scheme = ColorScheme::Light;
    // The value as the file writes it.
    QString written;
    // The colour it stands for, brought into sRGB where it lies outside.
    ColorNumber given = 0;
    bool outsideSrgb = false;
    ColorNumber webSafe = 0;
    double distance = 0;

    bool operator==(const ColorSnap &) const = default;
};

// What reading a palette file found: the colours of each scheme and of the
// scrollbar that it gives, all web-safe, or why it cannot be used.
struct ImportedColors
{
    // Why the file cannot be used, one or more Japanese sentences; empty
    // when it can.
    QString refusal;
    QString description;
    // Present when the file gives at least one of its colours.
    std::optional<PageRoleColors> light;
    std::optional<PageRoleColors> dark;
    // The roles given are the ones switched on.
    std::optional<ScrollbarRoleColors> scrollbar;
    QList<ColorSnap> snaps;
    // Colours the file gives that were not taken (translucent, or no colour
    // at all), one Japanese sentence each; those roles keep their colours.
    QStringList skipped;

    bool ok() const { return refusal.isEmpty(); }
};

// `current` with the colours a file gives; the description stays.
PageColorSet appliedOver(const PageColorSet &current, const PageRoleColors &given);
// `current` with the colours a file gives, exactly those switched on: a file
// holds the scrollbar colours that are switched on, and no others.
ScrollbarColorSet appliedOver(const ScrollbarColorSet &current, const ScrollbarRoleColors &given);

// A role as the main window names it, with its scheme where the file has
// both: "未訪問のリンクの色（ダーク）".
QString roleLabel(const ColorRole &role, ColorScheme scheme, bool bothSchemes);

// What became of the file's colours, one line each: every snap ("背景の色:
// #FAFAFA → #FFFFFF、色差 1.23（わずかな差）"), then every colour skipped.
QStringList importNotes(const ImportedColors &colors);

} // namespace tintmill
