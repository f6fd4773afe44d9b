#include "gplreader.h"

#include "core/product.h"
#include "palettebuilder.h"

#include <QHash>
#include <QRegularExpression>

namespace tintmill {

ImportedColors readGplPalette(const QByteArray &bytes)
{
    const QStringList lines =
        QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
    ImportedColors refused;
    if (lines.constFirst().trimmed() != QLatin1String("GIMP Palette")) {
        refused.refusal =
            QStringLiteral("GIMPパレットではありません（1行目が「GIMP Palette」ではありません）。");
        return refused;
    }
    QHash<QString, std::pair<ColorRole, ColorScheme>> roles;
    for (const ExportEntry &entry : paletteRoleNames()) {
        roles.insert(entry.label, {entry.role, ColorScheme::Light});
        if (std::holds_alternative<PageRole>(entry.role)) {
            roles.insert(entry.label + QStringLiteral("（ライト）"),
                         {entry.role, ColorScheme::Light});
            roles.insert(entry.label + QStringLiteral("（ダーク）"),
                         {entry.role, ColorScheme::Dark});
        }
    }
    static const QRegularExpression colorLine(
        QStringLiteral("^\\s*(\\d+)\\s+(\\d+)\\s+(\\d+)(?:\\s+(.*))?$"));
    PaletteBuilder builder;
    QString description;
    for (qsizetype k = 1; k < lines.size(); ++k) {
        const QString &line = lines.at(k);
        if (line.startsWith(QLatin1String("Name:"))) {
            description = line.mid(5).trimmed();
            continue;
        }
        const QRegularExpressionMatch match = colorLine.match(line);
        if (!match.hasMatch())
            continue;
        const auto role = roles.constFind(match.captured(4).trimmed());
        if (role == roles.cend())
            continue;
        std::optional<CssColor> color = CssColor{0, 1};
        for (int channel = 0; channel < 3; ++channel) {
            bool number = false;
            const uint value = match.captured(channel + 1).toUInt(&number);
            if (!number || value > 255)
                color.reset();
            else if (color)
                color->color |= value << (8 * channel);
        }
        builder.give(
            role->first, role->second,
            QStringLiteral("%1 %2 %3").arg(match.captured(1), match.captured(2), match.captured(3)),
            color);
    }
    if (description == QLatin1String(product::title))
        description.clear();
    return builder.result(description,
                          QStringLiteral("このGIMPパレットには読み込める色がありません。"
                                         "「背景の色」など、役割の名前の付いた色を"
                                         "読みます。"));
}

} // namespace tintmill
