#include "calc.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace tintmill::css {

namespace {

bool isMathFunction(std::string_view name)
{
    return name == "calc" || name == "min" || name == "max" || name == "clamp";
}

// A number token, a percentage, or an angle in any of CSS's units.
std::optional<Quantity> literal(TokenReader &reader)
{
    const Token &token = reader.peek();
    Quantity quantity{Quantity::Number, token.value};
    if (token.kind == Token::Percentage) {
        quantity.kind = Quantity::Percentage;
    } else if (token.kind == Token::Dimension) {
        quantity.kind = Quantity::Angle;
        if (token.name == "grad")
            quantity.value = token.value * 360 / 400;
        else if (token.name == "rad")
            quantity.value = token.value * 180 / std::numbers::pi;
        else if (token.name == "turn")
            quantity.value = token.value * 360;
        else if (token.name != "deg")
            return reader.fail(CssColorProblem::NotAllowedHere, token.source);
    }
    reader.next();
    return quantity;
}

// CSS propagates NaN through min() and max(), where std::min and std::max
// would drop it depending on the order.
double lesser(double one, double two)
{
    return std::isnan(one) || std::isnan(two) ? std::numeric_limits<double>::quiet_NaN()
                                              : std::min(one, two);
}

double greater(double one, double two)
{
    return std::isnan(one) || std::isnan(two) ? std::numeric_limits<double>::quiet_NaN()
                                              : std::max(one, two);
}

// A number times anything is that thing, and so is anything divided by a
// number; a quotient of like quantities is a number. Nothing else has a kind.
std::optional<Quantity::Kind> productKind(bool times, Quantity::Kind left, Quantity::Kind right)
{
    if (right == Quantity::Number)
        return left;
    if (times && left == Quantity::Number)
        return right;
    if (!times && left == right)
        return Quantity::Number;
    return std::nullopt;
}

class Calculation
{
public:
    Calculation(TokenReader &reader, const ChannelKeywords *keywords)
        : m_reader(reader), m_keywords(keywords)
    {}

    // The arguments and ")" of calc(), min(), max() or clamp().
    std::optional<Quantity> function(const Token &opened)
    {
        const Opened inside(m_reader, opened.source);
        if (!inside)
            return std::nullopt;
        std::optional<Quantity> result = sum();
        if (!result)
            return std::nullopt;
        if (opened.name == "calc")
            return m_reader.close() ? result : std::nullopt;
        const bool clamp = opened.name == "clamp";
        int count = 1;
        double clamped = 0;
        while (m_reader.take(Token::Comma)) {
            const std::optional<Quantity> argument = sum();
            if (!argument)
                return std::nullopt;
            if (argument->kind != result->kind)
                return m_reader.fail(CssColorProblem::Unreadable);
            ++count;
            // clamp(least, value, most) is max(least, min(value, most)).
            if (clamp && count == 2)
                clamped = argument->value;
            else if (clamp)
                result->value = greater(result->value, lesser(clamped, argument->value));
            else if (opened.name == "min")
                result->value = lesser(result->value, argument->value);
            else
                result->value = greater(result->value, argument->value);
        }
        if (clamp && count != 3)
            return m_reader.failAtNext();
        return m_reader.close() ? result : std::nullopt;
    }

private:
    // Terms joined by + and −, which CSS wants with white space on both
    // sides: "1 -2" is two numbers, not a difference.
    std::optional<Quantity> sum()
    {
        std::optional<Quantity> result = product();
        while (result) {
            const Token &operation = m_reader.peek();
            if (operation.kind != Token::Delim || (operation.name != "+" && operation.name != "-"))
                return result;
            m_reader.next();
            if (!operation.spaceBefore || !m_reader.peek().spaceBefore)
                return m_reader.fail(CssColorProblem::Unreadable);
            const std::optional<Quantity> term = product();
            if (!term)
                return std::nullopt;
            if (term->kind != result->kind)
                return m_reader.fail(CssColorProblem::Unreadable);
            result->value += operation.name == "+" ? term->value : -term->value;
        }
        return result;
    }

    // Factors joined by × and ÷.
    std::optional<Quantity> product()
    {
        std::optional<Quantity> result = value();
        while (result) {
            const bool times = m_reader.peek().kind == Token::Delim && m_reader.peek().name == "*";
            if (!times && !m_reader.nextIs(Token::Slash))
                return result;
            m_reader.next();
            const std::optional<Quantity> factor = value();
            if (!factor)
                return std::nullopt;
            const std::optional<Quantity::Kind> kind =
                productKind(times, result->kind, factor->kind);
            if (!kind)
                return m_reader.fail(CssColorProblem::Unreadable);
            result->kind = *kind;
            result->value = times ? result->value * factor->value : result->value / factor->value;
        }
        return result;
    }

    std::optional<Quantity> value()
    {
        const Token &token = m_reader.peek();
        switch (token.kind) {
        case Token::Number:
        case Token::Percentage:
        case Token::Dimension:
            return literal(m_reader);
        case Token::OpenParenthesis: {
            m_reader.next();
            const Opened inside(m_reader, token.source);
            if (!inside)
                return std::nullopt;
            const std::optional<Quantity> result = sum();
            return result && m_reader.close() ? result : std::nullopt;
        }
        case Token::Function:
            if (!isMathFunction(token.name))
                return m_reader.fail(CssColorProblem::UnknownFunction,
                                     std::string(token.name) + "()");
            m_reader.next();
            return function(token);
        case Token::Ident:
            return constant(token);
        default:
            return m_reader.failAtNext();
        }
    }

    std::optional<Quantity> constant(const Token &token)
    {
        constexpr double infinity = std::numeric_limits<double>::infinity();
        std::optional<double> number;
        if (token.name == "e")
            number = std::numbers::e;
        else if (token.name == "pi")
            number = std::numbers::pi;
        else if (token.name == "infinity")
            number = infinity;
        else if (token.name == "-infinity")
            number = -infinity;
        else if (token.name == "nan")
            number = std::numeric_limits<double>::quiet_NaN();
        else if (m_keywords != nullptr) {
            for (std::size_t i = 0; i < m_keywords->names.size(); ++i) {
                // A value the origin lacks counts as zero in a calculation.
                if (token.name == m_keywords->names.at(i))
                    number = m_keywords->missing.at(i) ? 0 : m_keywords->values.at(i);
            }
        }
        if (!number)
            return m_reader.fail(CssColorProblem::NotAllowedHere, token.source);
        m_reader.next();
        return Quantity{Quantity::Number, *number};
    }

    TokenReader &m_reader;
    const ChannelKeywords *m_keywords;
};

} // namespace

std::optional<Component> readComponent(TokenReader &reader, const ChannelKeywords *keywords)
{
    const Token &token = reader.peek();
    Component component;
    component.source = token.source;
    switch (token.kind) {
    case Token::Number:
    case Token::Percentage:
    case Token::Dimension: {
        const std::optional<Quantity> quantity = literal(reader);
        if (!quantity)
            return std::nullopt;
        component.quantity = *quantity;
        return component;
    }
    case Token::Function: {
        if (!isMathFunction(token.name))
            return reader.fail(CssColorProblem::NotAllowedHere, token.source);
        reader.next();
        const std::optional<Quantity> quantity = Calculation(reader, keywords).function(token);
        if (!quantity)
            return std::nullopt;
        component.quantity = *quantity;
        component.calculated = true;
        // NaN does not leave a calculation: CSS makes it zero.
        if (std::isnan(component.quantity.value))
            component.quantity.value = 0;
        return component;
    }
    case Token::Ident:
        break;
    default:
        return reader.failAtNext();
    }
    if (token.name == "none") {
        reader.next();
        component.none = true;
        return component;
    }
    if (keywords != nullptr) {
        for (std::size_t i = 0; i < keywords->names.size(); ++i) {
            if (token.name == keywords->names.at(i)) {
                reader.next();
                component.none = keywords->missing.at(i);
                component.quantity.value = keywords->values.at(i);
                return component;
            }
        }
    }
    return reader.fail(CssColorProblem::NotAllowedHere, token.source);
}

} // namespace tintmill::css
