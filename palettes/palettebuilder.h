#pragma once

#include "core/csscolor.h"
#include "importedcolors.h"

#include <QString>
#include <array>
#include <optional>

namespace tintmill {

// The roles by the names the exports give them, for the readers: each role
// once, the page's in the order the main window lists them, then the
// scrollbar's.
const QList<ExportEntry> &paletteRoleNames();

// Where the readers put the colours they find: each role of each scheme at
// most once, the last one given winning, as in the files' own cascades. It
// makes every colour web-safe and says what moved.
class PaletteBuilder
{
public:
    // A colour as the file writes it: `written` is what the messages quote,
    // `color` what it reads as (nothing when it is no colour at all).
    void give(const ColorRole &role, ColorScheme scheme, const QString &written,
              std::optional<CssColor> color);
    // The same for a value in any CSS Color form, read by the CSS parser.
    void giveCss(const ColorRole &role, ColorScheme scheme, const QString &written);

    // Something of the file that was not read, told with the colours skipped.
    void note(const QString &sentence);

    // Whether anything of the dark scheme has been given.
    bool hasDark() const;

    // The colours found, or, when the file gives none, a refusal of
    // `noColors` (which says what the format's reader looks for) followed by
    // the reasons it gave none.
    ImportedColors result(const QString &description, const QString &noColors) const;

private:
    struct Given
    {
        QString written;
        std::optional<CssColor> color;
    };
    using Slots = std::array<std::optional<Given>, pageRoleCount>;
    static_assert(pageRoleCount == scrollbarRoleCount);

    std::optional<Given> &slotOf(const ColorRole &role, ColorScheme scheme);

    QStringList m_notes;
    Slots m_light;
    Slots m_dark;
    Slots m_scrollbar;
};

} // namespace tintmill
