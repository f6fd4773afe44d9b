#include "importedcolors.h"

#include "colorset/colortext.h"
#include "editor/differencewords.h"
#include "palettebuilder.h"

namespace tintmill {

PageColorSet appliedOver(const PageColorSet &current, const PageRoleColors &given)
{
    PageColorSet set = current;
    for (std::size_t k = 0; k < given.size(); ++k) {
        if (given.at(k))
            set.captions.at(k) = rrggbbText(*given.at(k));
    }
    return set;
}

ScrollbarColorSet appliedOver(const ScrollbarColorSet &current, const ScrollbarRoleColors &given)
{
    ScrollbarColorSet set = current;
    for (std::size_t k = 0; k < given.size(); ++k) {
        set.enabled.at(k) = given.at(k).has_value();
        if (given.at(k)) {
            set.colors.at(k) = *given.at(k);
            set.captions.at(k) = rrggbbText(*given.at(k));
        }
    }
    return set;
}

QString roleLabel(const ColorRole &role, ColorScheme scheme, bool bothSchemes)
{
    QString label;
    for (const ExportEntry &entry : paletteRoleNames()) {
        if (entry.role == role)
            label = entry.label;
    }
    if (bothSchemes && std::holds_alternative<PageRole>(role))
        label += scheme == ColorScheme::Dark ? QStringLiteral("（ダーク）")
                                             : QStringLiteral("（ライト）");
    return label;
}

QStringList importNotes(const ImportedColors &colors)
{
    QStringList notes;
    for (const ColorSnap &snap : colors.snaps) {
        QString given = snap.written;
        if (snap.outsideSrgb)
            given += QStringLiteral("（sRGBの外の色: %1 として）").arg(rrggbbText(snap.given));
        notes << QStringLiteral("%1: %2 → %3、色差 %4")
                     .arg(roleLabel(snap.role, snap.scheme, colors.dark.has_value()), given,
                          rrggbbText(snap.webSafe), differenceText(snap.distance));
    }
    return notes + colors.skipped;
}

} // namespace tintmill
