#include "cssreader.h"

#include "core/csstext.h"
#include "cssstylesheet.h"
#include "palettebuilder.h"

#include <algorithm>
#include <map>
#include <string>

namespace tintmill {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return asciiLowerCase(text.substr(0, prefix.size())) == prefix;
}

// The parts of `text` split at `separator` where it stands outside
// brackets and strings.
std::vector<std::string_view> topLevelParts(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    int depth = 0;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quote != 0) {
            if (c == '\\')
                ++k;
            else if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if ((c == ')' || c == ']') && depth > 0) {
            --depth;
        } else if (depth == 0 && (c == separator || (separator == ' ' && isCssSpace(c)))) {
            if (k > start)
                parts.push_back(text.substr(start, k - start));
            start = k + 1;
        }
    }
    if (start < text.size())
        parts.push_back(text.substr(start));
    return parts;
}

// What stands between the parentheses when `text` is one call of the
// function `name`, and nothing else.
std::optional<std::string_view> argumentsOf(std::string_view text, std::string_view name)
{
    if (!startsWithNoCase(text, name) || text.size() < name.size() + 2 ||
        text[name.size()] != '(' || text.back() != ')')
        return std::nullopt;
    const std::string_view inside = text.substr(name.size() + 1, text.size() - name.size() - 2);
    int depth = 0;
    for (const char c : inside) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0)
            return std::nullopt; // "var(--a) var(--b)": two calls
    }
    return inside;
}

// A value in each scheme, as the cascade left it.
struct SchemeValues
{
    struct Value
    {
        std::string text;
        // It came from a rule for the dark scheme alone.
        bool darkOnly = false;
        // background: a colour among other things.
        bool shorthand = false;
    };
    std::optional<Value> light;
    std::optional<Value> dark;

    void assign(CssScheme scheme, const std::string &text, bool shorthand = false)
    {
        if (scheme != CssScheme::Dark)
            light = Value{text, false, shorthand};
        if (scheme != CssScheme::Light)
            dark = Value{text, scheme == CssScheme::Dark, shorthand};
    }
    [[nodiscard]] const std::optional<Value> &in(ColorScheme scheme) const
    {
        return scheme == ColorScheme::Dark ? dark : light;
    }
};

class SheetColors
{
public:
    explicit SheetColors(const CssStyleSheet &sheet)
        : m_byRule(paletteRoleNames().size()), m_byLinks(paletteRoleNames().size())
    {
        for (const CssStyleRule &rule : sheet.rules)
            take(rule);
    }

    // The value a role has in `scheme`, the rules' before the custom
    // property's; darkOnly tells whether it is the dark scheme's own.
    [[nodiscard]] std::optional<SchemeValues::Value> valueOf(std::size_t role,
                                                             ColorScheme scheme) const
    {
        for (const SchemeValues *values : {&m_byRule.at(role), &m_byLinks.at(role)}) {
            if (values->in(scheme))
                return values->in(scheme);
        }
        const auto custom = m_custom.find(
            "--" + paletteRoleNames().at(static_cast<qsizetype>(role)).cssName.toStdString());
        if (custom != m_custom.end())
            return custom->second.in(scheme);
        return std::nullopt;
    }

    // `text` with var() and light-dark() taken for `scheme`; nothing when a
    // variable has no value. darkOnly is set when a step is the dark
    // scheme's own.
    std::optional<std::string> resolved(std::string_view text, ColorScheme scheme, bool &darkOnly,
                                        int depth = 0) const
    {
        text = cssTrimmed(text);
        // Beyond any honest chain of variables: a loop.
        if (depth > 32)
            return std::nullopt;
        // No colour is written at such length; what is, is not followed.
        if (text.size() > 4096)
            return std::string(text);
        if (const std::optional<std::string_view> inside = argumentsOf(text, "var")) {
            const std::vector<std::string_view> parts = topLevelParts(*inside, ',');
            const std::string name(cssTrimmed(parts.empty() ? *inside : parts.front()));
            const auto custom = m_custom.find(name);
            if (custom != m_custom.end() && custom->second.in(scheme)) {
                darkOnly = darkOnly || custom->second.in(scheme)->darkOnly;
                return resolved(custom->second.in(scheme)->text, scheme, darkOnly, depth + 1);
            }
            const std::size_t comma = inside->find(',');
            if (parts.size() < 2 || comma == std::string_view::npos)
                return std::nullopt;
            return resolved(inside->substr(comma + 1), scheme, darkOnly, depth + 1);
        }
        if (const std::optional<std::string_view> inside = argumentsOf(text, "light-dark")) {
            const std::vector<std::string_view> arms = topLevelParts(*inside, ',');
            if (arms.size() != 2)
                return std::string(text);
            darkOnly = darkOnly || scheme == ColorScheme::Dark;
            return resolved(arms.at(scheme == ColorScheme::Dark ? 1 : 0), scheme, darkOnly,
                            depth + 1);
        }
        return std::string(text);
    }

private:
    void take(const CssStyleRule &rule)
    {
        // Each selector that means something here once, however often the
        // list names it: a list of thousands would otherwise meet each of
        // thousands of declarations.
        static constexpr std::array<std::string_view, 8> known{
            ":root", "html", "body", "a", "a:link", "a:visited", "a:hover", "a:active"};
        std::vector<std::string_view> selectors;
        for (const std::string_view part : topLevelParts(rule.selectors, ',')) {
            std::string selector;
            for (const std::string_view word : topLevelParts(part, ' '))
                selector += (selector.empty() ? "" : " ") + std::string(word);
            selector = asciiLowerCase(selector);
            const auto *const found = std::find(known.begin(), known.end(), selector);
            if (found != known.end() &&
                std::find(selectors.begin(), selectors.end(), *found) == selectors.end())
                selectors.push_back(*found);
        }
        const bool onRoot = std::any_of(selectors.begin(), selectors.end(),
                                        [](const auto &s) { return s == ":root" || s == "html"; });
        for (const CssDeclaration &declaration : rule.declarations) {
            if (onRoot && declaration.name.starts_with("--"))
                m_custom[declaration.name].assign(rule.scheme, declaration.value);
            for (const std::string_view selector : selectors)
                takeForRole(selector, declaration, rule.scheme);
        }
    }

    void takeForRole(std::string_view selector, const CssDeclaration &declaration, CssScheme scheme)
    {
        static constexpr std::array<std::pair<const char *, PageRole>, 4> links{{
            {"a:link", PageRole::Link},
            {"a:visited", PageRole::VisitedLink},
            {"a:hover", PageRole::HoverLink},
            {"a:active", PageRole::ActiveLink},
        }};
        const std::string &property = declaration.name;
        const QList<ExportEntry> &names = paletteRoleNames();
        const auto assign = [&](std::vector<SchemeValues> &to, const ColorRole &role,
                                bool shorthand = false) {
            for (qsizetype k = 0; k < names.size(); ++k) {
                if (names.at(k).role == role)
                    to.at(k).assign(scheme, declaration.value, shorthand);
            }
        };
        if (selector == "body") {
            if (property == "background-color" || property == "background")
                assign(m_byRule, PageRole::Background, property == "background");
            else if (property == "color")
                assign(m_byRule, PageRole::Text);
            for (const ScrRole role : allScrRoles) {
                if (property == scrollbarPropertyName(role).toStdString())
                    assign(m_byRule, role);
            }
        }
        if (property != "color")
            return;
        for (const auto &[state, role] : links) {
            if (selector == state)
                assign(m_byRule, role);
            // A rule for every link counts where no rule for the state is.
            if (selector == "a")
                assign(m_byLinks, role);
        }
    }

    std::map<std::string, SchemeValues> m_custom;
    // By the place of the role in paletteRoleNames().
    std::vector<SchemeValues> m_byRule;
    std::vector<SchemeValues> m_byLinks;
};

// The colour a background shorthand gives, or the value itself.
std::string colorOfShorthand(const SheetColors &colors, const std::string &value,
                             ColorScheme scheme, bool &darkOnly)
{
    if (parseCssColor(value))
        return value;
    for (const std::string_view part : topLevelParts(value, ' ')) {
        bool partDarkOnly = darkOnly;
        const std::optional<std::string> text = colors.resolved(part, scheme, partDarkOnly);
        if (text && parseCssColor(*text)) {
            darkOnly = partDarkOnly;
            return *text;
        }
    }
    return value;
}

} // namespace

ImportedColors readCssPalette(const QByteArray &bytes)
{
    const CssStyleSheet sheet = parseStyleSheet(std::string_view(bytes.constData(), bytes.size()));
    const SheetColors colors(sheet);
    const QList<ExportEntry> &names = paletteRoleNames();

    struct Found
    {
        ColorRole role;
        ColorScheme scheme;
        QString text;
        bool darkOnly;
    };
    std::vector<Found> found;
    bool anyDark = false;
    for (std::size_t k = 0; k < static_cast<std::size_t>(names.size()); ++k) {
        const ColorRole &role = names.at(static_cast<qsizetype>(k)).role;
        const bool isPage = std::holds_alternative<PageRole>(role);
        for (const ColorScheme scheme : {ColorScheme::Light, ColorScheme::Dark}) {
            if (!isPage && scheme == ColorScheme::Dark)
                continue;
            const std::optional<SchemeValues::Value> value = colors.valueOf(k, scheme);
            if (!value)
                continue;
            bool darkOnly = value->darkOnly;
            std::optional<std::string> text = colors.resolved(value->text, scheme, darkOnly);
            if (text && value->shorthand)
                text = colorOfShorthand(colors, *text, scheme, darkOnly);
            found.push_back(
                {role, scheme, QString::fromStdString(text.value_or(value->text)), darkOnly});
            anyDark = anyDark || darkOnly;
        }
    }
    // Without a value of its own for the dark scheme anywhere, the sheet has
    // one scheme only.
    PaletteBuilder builder;
    for (const Found &each : found) {
        if (each.scheme == ColorScheme::Light || anyDark)
            builder.giveCss(each.role, each.scheme, each.text);
    }
    return builder.result(
        QString::fromStdString(sheet.openingComment),
        QStringLiteral("このCSSには読み込める色がありません。:root のカスタムプロパティ"
                       "（--page-background など）か、body の background-color と color、"
                       "a:link・a:visited・a:hover・a:active の color を読みます。"));
}

} // namespace tintmill
