#include "darkscheme.h"

#include "ciede2000.h"
#include "contrast.h"
#include "pageroletable.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>

namespace tintmill {

namespace {

struct Candidate
{
    Lab lab;
    double luminance;
};

// Each derivation snaps eight colours against all 216; their Lab values and
// luminances never change.
const std::array<Candidate, webSafeColorCount> &candidates()
{
    static const std::array<Candidate, webSafeColorCount> entries = [] {
        std::array<Candidate, webSafeColorCount> values{};
        for (int i = 0; i < webSafeColorCount; ++i)
            values.at(i) = {labOf(webSafeColor(i)), relativeLuminance(webSafeColor(i))};
        return values;
    }();
    return entries;
}

constexpr int pageBlock = 0;
constexpr ColorNumber white = 0xFFFFFF;
// Block mending once per block, darkening once per inner block (the page
// already lets white pass) and a last pass of lines; see the header.
constexpr int maxPasses = 2 * previewBlockCount;

bool isDark(const Candidate &candidate)
{
    return candidate.lab.L < darkBackgroundLightnessLimit;
}

bool reachesAA(ColorNumber first, ColorNumber second)
{
    return contrastLevel(contrastRatio(first, second)) >= ContrastLevel::AA;
}

// Targets may lie outside sRGB, so the search takes a Lab point rather than a
// colour number; of equally near colours the lowest index wins.
template<typename Allowed> std::optional<int> nearestTo(const Lab &target, Allowed allowed)
{
    std::optional<int> nearest;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < webSafeColorCount; ++i) {
        const Candidate &candidate = candidates().at(i);
        if (!allowed(candidate))
            continue;
        const double distance = ciede2000(target, candidate.lab);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

ColorNumber mirrored(ColorNumber light, bool pageBackground)
{
    const Lab from = labOf(light);
    Lab target{100.0 - from.L, from.a, from.b};
    int index = nearestTo(target, [](const Candidate &) { return true; }).value();
    if (pageBackground && !isDark(candidates().at(index))) {
        target.L = std::min(target.L, darkBackgroundLightnessLimit);
        // Black is under the limit, so there is always one.
        index = nearestTo(target, isDark).value();
    }
    return webSafeColor(index);
}

// At most one colour per block or per line, without allocating.
template<std::size_t N> struct ColorList
{
    std::array<ColorNumber, N> items{};
    std::size_t count = 0;

    void add(ColorNumber color) { items.at(count++) = color; }
    std::span<const ColorNumber> view() const { return {items.data(), count}; }
};

class Scheme
{
public:
    using Shown = std::array<std::array<bool, sampleLineCount>, previewBlockCount>;

    Scheme(const std::array<ColorNumber, pageRoleCount> &colors, const Shown &shown)
        : colors_(colors), shown_(shown)
    {}

    const std::array<ColorNumber, pageRoleCount> &colors() const { return colors_; }
    ColorNumber &line(int line) { return colors_.at(toIndex(sampleLineRoles.at(line))); }
    ColorNumber &block(int block) { return colors_.at(toIndex(previewBlockRoles.at(block))); }
    bool shown(int line, int block) const { return shown_.at(block).at(line); }

    bool fallsShort(int line, int block)
    {
        return shown(line, block) && !reachesAA(this->line(line), this->block(block));
    }
    bool fallsShort(int line)
    {
        for (int block = 0; block < previewBlockCount; ++block)
            if (fallsShort(line, block))
                return true;
        return false;
    }
    bool anyFallsShort()
    {
        for (int line = 0; line < sampleLineCount; ++line)
            if (fallsShort(line))
                return true;
        return false;
    }

    ColorList<previewBlockCount> groundsOf(int line)
    {
        ColorList<previewBlockCount> grounds;
        for (int block = 0; block < previewBlockCount; ++block)
            if (shown(line, block))
                grounds.add(this->block(block));
        return grounds;
    }
    ColorList<sampleLineCount> linesOn(int block)
    {
        ColorList<sampleLineCount> lines;
        for (int line = 0; line < sampleLineCount; ++line)
            if (shown(line, block))
                lines.add(this->line(line));
        return lines;
    }

private:
    std::array<ColorNumber, pageRoleCount> colors_;
    const Shown &shown_;
};

void mendLines(Scheme &scheme)
{
    for (int line = 0; line < sampleLineCount; ++line) {
        if (!scheme.fallsShort(line))
            continue;
        const ColorList<previewBlockCount> grounds = scheme.groundsOf(line);
        if (const std::optional<int> color =
                nearestPassingWebSafe(scheme.line(line), grounds.view()))
            scheme.line(line) = webSafeColor(*color);
    }
}

// The page background must stay dark, which the readability core's search
// does not know of.
std::optional<int> darkPageBackgroundFor(ColorNumber current, std::span<const ColorNumber> lines)
{
    std::array<double, sampleLineCount> luminances{};
    for (std::size_t k = 0; k < lines.size(); ++k)
        luminances.at(k) = relativeLuminance(lines[k]);
    const std::span<const double> shown(luminances.data(), lines.size());
    return nearestTo(labOf(current), [shown](const Candidate &candidate) {
        return isDark(candidate) && std::all_of(shown.begin(), shown.end(), [&](double l) {
                   const double ratio = (std::max(l, candidate.luminance) + 0.05) /
                                        (std::min(l, candidate.luminance) + 0.05);
                   return contrastLevel(ratio) >= ContrastLevel::AA;
               });
    });
}

bool mendOneBlock(Scheme &scheme)
{
    for (int line = 0; line < sampleLineCount; ++line) {
        for (int block = 0; block < previewBlockCount; ++block) {
            if (!scheme.fallsShort(line, block))
                continue;
            const ColorList<sampleLineCount> lines = scheme.linesOn(block);
            const std::optional<int> color =
                block == pageBlock ? darkPageBackgroundFor(scheme.block(block), lines.view())
                                   : nearestPassingWebSafe(scheme.block(block), lines.view());
            if (color) {
                scheme.block(block) = webSafeColor(*color);
                return true;
            }
        }
    }
    return false;
}

void darkenBlocksOfShortLines(Scheme &scheme)
{
    // Which blocks to darken is settled first: darkening one may let a line
    // pass there whose other blocks must still be darkened.
    std::array<bool, previewBlockCount> darken{};
    for (int line = 0; line < sampleLineCount; ++line) {
        if (!scheme.fallsShort(line))
            continue;
        for (int block = 0; block < previewBlockCount; ++block)
            if (scheme.shown(line, block) && !reachesAA(white, scheme.block(block)))
                darken.at(block) = true;
    }
    const std::array<ColorNumber, 1> whiteText{white};
    for (int block = 0; block < previewBlockCount; ++block)
        if (darken.at(block))
            scheme.block(block) =
                webSafeColor(nearestPassingWebSafe(scheme.block(block), whiteText).value());
}

} // namespace

std::array<ColorNumber, pageRoleCount> deriveDarkColors(const ReadabilityInput &light)
{
    std::array<ColorNumber, pageRoleCount> colors{};
    for (int role = 0; role < pageRoleCount; ++role)
        colors.at(role) =
            mirrored(light.colors.at(role), role == toIndex(previewBlockRoles.at(pageBlock)));

    Scheme scheme(colors, light.shown);
    bool darkening = false;
    for (int pass = 0; pass < maxPasses; ++pass) {
        mendLines(scheme);
        if (!scheme.anyFallsShort())
            break;
        if (!darkening)
            darkening = !mendOneBlock(scheme);
        if (darkening)
            darkenBlocksOfShortLines(scheme);
    }
    return scheme.colors();
}

} // namespace tintmill
