#include "readability.h"

#include "ciede2000.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace tintmill {

namespace {

struct PaletteEntry
{
    Lab lab;
    double luminance;
};

// The 216 colours are searched on every change; their Lab values and
// luminances never change.
const std::array<PaletteEntry, webSafeColorCount> &palette()
{
    static const std::array<PaletteEntry, webSafeColorCount> entries = [] {
        std::array<PaletteEntry, webSafeColorCount> values{};
        for (int i = 0; i < webSafeColorCount; ++i)
            values.at(i) = {labOf(webSafeColor(i)), relativeLuminance(webSafeColor(i))};
        return values;
    }();
    return entries;
}

double ratioOfLuminances(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double lowestRatio(ColorNumber color, std::span<const ColorNumber> others)
{
    double lowest = std::numeric_limits<double>::infinity();
    for (const ColorNumber other : others)
        lowest = std::min(lowest, contrastRatio(color, other));
    return lowest;
}

// The lines shown on `block`, for a line that falls short there: the nearest
// web-safe background with which all of them pass.
std::optional<BackgroundAdvice> backgroundFor(const ReadabilityInput &input, int block)
{
    std::array<ColorNumber, sampleLineCount> lines{};
    std::size_t count = 0;
    for (int line = 0; line < sampleLineCount; ++line)
        if (input.shown.at(block).at(line))
            lines.at(count++) = input.colors.at(toIndex(sampleLineRoles.at(line)));
    const std::span<const ColorNumber> shown(lines.data(), count);
    const ColorNumber current = input.colors.at(toIndex(previewBlockRoles.at(block)));
    const std::optional<int> color = nearestPassingWebSafe(current, shown);
    if (!color)
        return std::nullopt;
    return BackgroundAdvice{block, *color, lowestRatio(webSafeColor(*color), shown)};
}

} // namespace

std::optional<int> nearestPassingWebSafe(ColorNumber current, std::span<const ColorNumber> others)
{
    std::vector<double> backgroundLuminances;
    backgroundLuminances.reserve(others.size());
    for (const ColorNumber other : others)
        backgroundLuminances.push_back(relativeLuminance(other));

    const Lab from = labOf(current);
    std::optional<int> nearest;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < webSafeColorCount; ++i) {
        const PaletteEntry &candidate = palette().at(i);
        const bool passes = std::all_of(
            backgroundLuminances.begin(), backgroundLuminances.end(), [&candidate](double l) {
                return contrastLevel(ratioOfLuminances(candidate.luminance, l)) >=
                       ContrastLevel::AA;
            });
        if (!passes)
            continue;
        const double distance = ciede2000(from, candidate.lab);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

ReadabilityReport checkReadability(const ReadabilityInput &input)
{
    ReadabilityReport report;
    for (int line = 0; line < sampleLineCount; ++line) {
        const ColorNumber text = input.colors.at(toIndex(sampleLineRoles.at(line)));
        std::array<ColorNumber, previewBlockCount> shownOn{};
        std::size_t shownCount = 0;
        std::array<bool, previewBlockCount> shortOn{};
        LineAdvice &advice = report.advice.at(line);
        for (int block = 0; block < previewBlockCount; ++block) {
            const ColorNumber background = input.colors.at(toIndex(previewBlockRoles.at(block)));
            ContrastCell &cell = report.cells.at(line).at(block);
            cell.ratio = contrastRatio(text, background);
            cell.level = contrastLevel(cell.ratio);
            cell.shown = input.shown.at(block).at(line);
            if (!cell.shown)
                continue;
            shownOn.at(shownCount++) = background;
            if (cell.level < ContrastLevel::AA) {
                advice.failing = true;
                shortOn.at(block) = true;
            }
        }
        if (!advice.failing)
            continue;
        const std::span<const ColorNumber> backgrounds(shownOn.data(), shownCount);
        advice.suggestion = nearestPassingWebSafe(text, backgrounds);
        if (advice.suggestion) {
            advice.suggestionRatio = lowestRatio(webSafeColor(*advice.suggestion), backgrounds);
            continue;
        }
        for (int block = 0; block < previewBlockCount && !advice.background; ++block)
            if (shortOn.at(block))
                advice.background = backgroundFor(input, block);
    }
    return report;
}

} // namespace tintmill
