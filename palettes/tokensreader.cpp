#include "tokensreader.h"

#include "palettebuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tintmill {

namespace {

// Past this, a chain of references is taken for a loop.
constexpr int deepestReference = 32;
// Members merged while the sets of a resolver document are put together: a
// document of a few megabytes that names its largest set again and again
// would otherwise take hours.
// Each member merged costs as much as the group it goes into, which moves to
// make room for it.
constexpr qsizetype mergeBudget = 20'000'000;

QString where(const QByteArray &bytes, qsizetype offset)
{
    const QByteArray before = bytes.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    // Characters, not bytes: a UTF-8 continuation byte starts none.
    qsizetype column = 1;
    for (qsizetype k = lineStart; k < before.size(); ++k)
        column += (static_cast<unsigned char>(before.at(k)) & 0xC0U) != 0x80U ? 1 : 0;
    return QStringLiteral("%1行目の%2文字目").arg(before.count('\n') + 1).arg(column);
}

// A JSON pointer "#/a/b" into `root`, or nothing.
std::optional<QJsonValue> pointed(const QJsonValue &root, const QString &pointer)
{
    if (!pointer.startsWith(u'#'))
        return std::nullopt;
    QJsonValue at = root;
    const QStringList steps = pointer.mid(1).split(u'/');
    for (qsizetype k = 1; k < steps.size(); ++k) {
        QString step = steps.at(k);
        step.replace(QLatin1String("~1"), QLatin1String("/")).replace(QLatin1String("~0"), "~");
        if (at.isObject() && at.toObject().contains(step)) {
            at = at.toObject().value(step);
        } else if (bool number = false; at.isArray()) {
            const qsizetype index = step.toLongLong(&number);
            if (!number || index < 0 || index >= at.toArray().size())
                return std::nullopt;
            at = at.toArray().at(index);
        } else {
            return std::nullopt;
        }
    }
    return at;
}

// A value as the file writes it, for a message.
QString jsonText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2));
}

QString refOf(const QJsonValue &value)
{
    return value.toObject().value(QLatin1String("$ref")).toString();
}

// The CSS form of a colour in a DTCG colour space, for the CSS parser.
std::optional<QString> cssOfComponents(const QString &space, const QJsonArray &components,
                                       const QJsonValue &alpha)
{
    static const QStringList predefined{
        QStringLiteral("srgb"),    QStringLiteral("srgb-linear"),  QStringLiteral("display-p3"),
        QStringLiteral("a98-rgb"), QStringLiteral("prophoto-rgb"), QStringLiteral("rec2020"),
        QStringLiteral("xyz-d65"), QStringLiteral("xyz-d50")};
    static const QStringList functions{QStringLiteral("hsl"),   QStringLiteral("hwb"),
                                       QStringLiteral("lab"),   QStringLiteral("lch"),
                                       QStringLiteral("oklab"), QStringLiteral("oklch")};
    if (components.size() != 3)
        return std::nullopt;
    // hsl() and hwb() take their second and third components as percentages.
    const bool percentages = space == QLatin1String("hsl") || space == QLatin1String("hwb");
    QStringList parts;
    for (qsizetype k = 0; k < 3; ++k) {
        const QJsonValue component = components.at(k);
        if (component.toString() == QLatin1String("none"))
            parts << QStringLiteral("none");
        else if (component.isDouble())
            parts << QString::number(component.toDouble(), 'g', 17) +
                         (percentages && k > 0 ? QStringLiteral("%") : QString());
        else
            return std::nullopt;
    }
    QString inside = parts.join(u' ');
    if (alpha.isDouble())
        inside += QStringLiteral(" / ") + QString::number(alpha.toDouble(), 'g', 17);
    if (predefined.contains(space))
        return QStringLiteral("color(%1 %2)").arg(space, inside);
    if (functions.contains(space))
        return QStringLiteral("%1(%2)").arg(space, inside);
    return std::nullopt;
}

class TokenTree
{
public:
    TokenTree(QJsonObject tree, PaletteBuilder &builder)
        : m_tree(std::move(tree)), m_builder(builder)
    {}

    // Every colour of the export's groups that the tree has, for `scheme`.
    void giveColors(ColorScheme scheme, bool scrollbarToo) const
    {
        for (const ExportEntry &entry : paletteRoleNames()) {
            const bool isPage = std::holds_alternative<PageRole>(entry.role);
            if (!isPage && !scrollbarToo)
                continue;
            const QJsonObject group = m_tree.value(entry.group).toObject();
            const QJsonValue token = group.value(entry.key);
            if (!token.isObject() || !token.toObject().contains(QLatin1String("$value")))
                continue;
            const QString type = token.toObject()
                                     .value(QLatin1String("$type"))
                                     .toString(group.value(QLatin1String("$type")).toString());
            const QJsonValue value = token.toObject().value(QLatin1String("$value"));
            if (!type.isEmpty() && type != QLatin1String("color")) {
                m_builder.give(entry.role, scheme, QStringLiteral("$type: %1").arg(type),
                               std::nullopt);
                continue;
            }
            const auto [written, color] = colorOf(value, 0);
            m_builder.give(entry.role, scheme, written, color);
        }
    }

private:
    struct Read
    {
        QString written;
        std::optional<CssColor> color;
    };

    // The token at an alias's path "{group.token}", or a $ref's pointer.
    [[nodiscard]] std::optional<QJsonValue> referred(const QString &path, bool isPointer) const
    {
        if (isPointer)
            return pointed(m_tree, path);
        QJsonValue at = m_tree;
        for (const QString &step : path.split(u'.'))
            at = at.toObject().value(step);
        if (!at.isObject() || !at.toObject().contains(QLatin1String("$value")))
            return std::nullopt;
        return at;
    }

    [[nodiscard]] Read colorOf(const QJsonValue &value, int depth) const
    {
        static const QRegularExpression alias(QStringLiteral("^\\{([^{}]+)\\}$"));
        if (depth > deepestReference)
            return {jsonText(value), std::nullopt};
        const QString ref = refOf(value);
        const QRegularExpressionMatch match = alias.match(value.toString());
        if (!ref.isEmpty() || match.hasMatch()) {
            std::optional<QJsonValue> target =
                referred(ref.isEmpty() ? match.captured(1) : ref, !ref.isEmpty());
            if (target && target->isObject() && target->toObject().contains("$value"))
                target = target->toObject().value(QLatin1String("$value"));
            if (!target)
                return {ref.isEmpty() ? value.toString() : ref, std::nullopt};
            return colorOf(*target, depth + 1);
        }
        if (value.isString())
            return {value.toString(), parseCssColor(value.toString().toStdString())};
        if (!value.isObject())
            return {jsonText(value), std::nullopt};
        const QJsonObject color = value.toObject();
        const QString space = color.value(QLatin1String("colorSpace")).toString();
        const QString hex = color.value(QLatin1String("hex")).toString();
        const QJsonValue alpha = color.value(QLatin1String("alpha"));
        QJsonArray components;
        for (const QJsonValue component : color.value(QLatin1String("components")).toArray()) {
            const std::optional<QJsonValue> target =
                refOf(component).isEmpty() ? component : pointed(m_tree, refOf(component));
            components.append(target.value_or(QJsonValue()));
        }
        if (const std::optional<QString> css = cssOfComponents(space, components, alpha)) {
            if (const std::optional<CssColor> read = parseCssColor(css->toStdString()))
                return {space == QLatin1String("srgb") && !hex.isEmpty() ? hex : *css, read};
        }
        if (std::optional<CssColor> read = parseCssColor(hex.toStdString());
            read && hex.startsWith(u'#')) {
            if (alpha.isDouble())
                read->alpha = alpha.toDouble();
            return {hex, read};
        }
        return {jsonText(value), std::nullopt};
    }

    QJsonObject m_tree;
    PaletteBuilder &m_builder;
};

// Puts the sets and modifiers of a resolver document together, for one
// scheme, as the resolver module orders them.
class Resolution
{
public:
    Resolution(const QJsonObject &document, PaletteBuilder &builder)
        : m_document(document), m_builder(builder)
    {}

    // Whether a modifier of the resolution order has "light" and "dark"
    // contexts: the scheme, whatever the modifier's name.
    [[nodiscard]] bool hasSchemes() const
    {
        const QJsonArray order = m_document.value(QLatin1String("resolutionOrder")).toArray();
        return std::any_of(order.begin(), order.end(), [this](const QJsonValue &item) {
            const QJsonObject contexts =
                dereferenced(item).toObject().value(QLatin1String("contexts")).toObject();
            return contexts.contains(QLatin1String("light")) &&
                   contexts.contains(QLatin1String("dark"));
        });
    }

    // The tokens for `scheme`; nothing when putting them together would
    // take too long.
    std::optional<QJsonObject> tokens(ColorScheme scheme)
    {
        QJsonObject tree;
        for (const QJsonValue item : m_document.value(QLatin1String("resolutionOrder")).toArray()) {
            const QJsonObject part = dereferenced(item).toObject();
            if (part.contains(QLatin1String("sources"))) {
                mergeSources(tree, part.value(QLatin1String("sources")));
                continue;
            }
            const QJsonObject contexts = part.value(QLatin1String("contexts")).toObject();
            QString chosen = part.value(QLatin1String("default")).toString();
            if (contexts.contains(QLatin1String("light")) &&
                contexts.contains(QLatin1String("dark")))
                chosen =
                    scheme == ColorScheme::Dark ? QStringLiteral("dark") : QStringLiteral("light");
            if (!contexts.contains(chosen) && !contexts.isEmpty())
                chosen = contexts.begin().key();
            mergeSources(tree, contexts.value(chosen));
        }
        if (m_spent > mergeBudget)
            return std::nullopt;
        return tree;
    }

private:
    [[nodiscard]] QJsonValue dereferenced(const QJsonValue &value, int depth = 0) const
    {
        const QString ref = refOf(value);
        if (ref.isEmpty() || depth > deepestReference)
            return value;
        return dereferenced(pointed(m_document, ref).value_or(QJsonValue()), depth + 1);
    }

    void mergeSources(QJsonObject &tree, const QJsonValue &sources)
    {
        for (const QJsonValue source : sources.toArray()) {
            const QString ref = refOf(source);
            if (!ref.isEmpty() && !ref.startsWith(u'#')) {
                if (!m_noted.contains(ref))
                    m_builder.note(
                        QStringLiteral("「%1」は別のファイルなので読みませんでした。").arg(ref));
                m_noted << ref;
                continue;
            }
            merge(tree, dereferenced(source).toObject());
        }
    }

    // Groups merge member by member; a token replaces the one before it.
    void merge(QJsonObject &into, const QJsonObject &from)
    {
        for (auto it = from.begin(); it != from.end() && m_spent <= mergeBudget; ++it) {
            m_spent += 1 + into.size();
            const QJsonValue there = into.value(it.key());
            const auto isGroup = [](const QJsonValue &value) {
                return value.isObject() && !value.toObject().contains(QLatin1String("$value"));
            };
            if (isGroup(there) && isGroup(it.value())) {
                QJsonObject group = there.toObject();
                m_spent += group.size();
                merge(group, it.value().toObject());
                into.insert(it.key(), group);
            } else {
                into.insert(it.key(), it.value());
            }
        }
    }

    const QJsonObject &m_document;
    PaletteBuilder &m_builder;
    QStringList m_noted;
    qsizetype m_spent = 0;
};

} // namespace

ImportedColors readTokensPalette(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    ImportedColors refused;
    if (error.error != QJsonParseError::NoError) {
        refused.refusal = QStringLiteral("JSONとして読めません。%1あたりで書き方が崩れています。")
                              .arg(where(bytes, error.offset));
        return refused;
    }
    if (!document.isObject()) {
        refused.refusal = QStringLiteral("デザイントークンのファイルではありません"
                                         "（JSONのオブジェクトではありません）。");
        return refused;
    }
    const QJsonObject root = document.object();
    PaletteBuilder builder;
    QString description = root.value(QLatin1String("$description")).toString();
    if (root.value(QLatin1String("resolutionOrder")).isArray()) {
        description = root.value(QLatin1String("description")).toString();
        Resolution resolution(root, builder);
        const std::optional<QJsonObject> light = resolution.tokens(ColorScheme::Light);
        const std::optional<QJsonObject> dark =
            resolution.hasSchemes() ? resolution.tokens(ColorScheme::Dark) : QJsonObject();
        if (!light || !dark) {
            refused.refusal = QStringLiteral("このリゾルバー文書は、組み立てると大きすぎて"
                                             "読めません。");
            return refused;
        }
        TokenTree(*light, builder).giveColors(ColorScheme::Light, true);
        if (resolution.hasSchemes())
            TokenTree(*dark, builder).giveColors(ColorScheme::Dark, false);
    } else {
        TokenTree(root, builder).giveColors(ColorScheme::Light, true);
    }
    return builder.result(description,
                          QStringLiteral("このデザイントークンには読み込める色がありません。"
                                         "page・link・block・scrollbar のグループの色"
                                         "（page.background など）を読みます。"));
}

} // namespace tintmill
