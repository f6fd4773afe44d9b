#include "darkscheme.h"

#include "ciede2000.h"
#include "contrast.h"
#include "pageroletable.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <limits>
#include <numeric>

namespace tintmill {

namespace {

// A set of web-safe colours, by index.
using WebSafeSet = std::bitset<webSafeColorCount>;

struct WebSafeTables
{
    std::array<Lab, webSafeColorCount> lab{};
    // By colour: the colours that reach AA with it, as text on it or as its
    // ground alike.
    std::array<WebSafeSet, webSafeColorCount> readableWith{};
    // By colour: the colours whose readable colours are all among its own.
    std::array<WebSafeSet, webSafeColorCount> servesAllOf{};
    WebSafeSet darkEnoughForPage;
    WebSafeSet whiteReadsOn;
};

// Every derivation measures its targets against all 216 colours and asks
// which pairs of them read; none of that depends on the light colours.
const WebSafeTables &tables()
{
    static const WebSafeTables built = [] {
        WebSafeTables t;
        std::array<double, webSafeColorCount> luminance{};
        for (int i = 0; i < webSafeColorCount; ++i) {
            t.lab.at(i) = labOf(webSafeColor(i));
            luminance.at(i) = relativeLuminance(webSafeColor(i));
            t.darkEnoughForPage.set(i, t.lab.at(i).L < darkBackgroundLightnessLimit);
        }
        // The ratio as contrastRatio takes it, from luminances worked out once.
        for (int i = 0; i < webSafeColorCount; ++i) {
            for (int j = 0; j < webSafeColorCount; ++j) {
                const double lighter = std::max(luminance.at(i), luminance.at(j));
                const double darker = std::min(luminance.at(i), luminance.at(j));
                t.readableWith.at(i).set(j, contrastLevel((lighter + 0.05) / (darker + 0.05)) >=
                                                ContrastLevel::AA);
            }
        }
        for (int i = 0; i < webSafeColorCount; ++i) {
            t.whiteReadsOn.set(i, t.readableWith.at(i).test(webSafeIndex(5, 5, 5)));
            for (int j = 0; j < webSafeColorCount; ++j)
                t.servesAllOf.at(i).set(j, (t.readableWith.at(j) & ~t.readableWith.at(i)).none());
        }
        return t;
    }();
    return built;
}

using Distances = std::array<double, webSafeColorCount>;

WebSafeSet everyColor()
{
    return WebSafeSet().set();
}

Lab mirroredTarget(ColorNumber light)
{
    const Lab from = labOf(light);
    return {100.0 - from.L, from.a, from.b};
}

// A role's distances from its target, which may lie outside sRGB, and its
// colours nearest first, equally near ones by index.
struct Ranking
{
    Distances distance{};
    std::array<std::uint8_t, webSafeColorCount> order{};

    Ranking() = default;
    explicit Ranking(const Lab &target)
    {
        for (int i = 0; i < webSafeColorCount; ++i)
            distance.at(i) = ciede2000(target, tables().lab.at(i));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return distance.at(a) < distance.at(b); });
    }

    int nearest() const { return order.front(); }
    // None (-1) when `allowed` is empty.
    int nearestIn(const WebSafeSet &allowed) const
    {
        for (const int color : order)
            if (allowed[color])
                return color;
        return -1;
    }
    // How much farther than its nearest colour the role must go to stay in
    // `allowed`: infinitely far when `allowed` is empty.
    double detour(const WebSafeSet &allowed) const
    {
        const int color = nearestIn(allowed);
        return color < 0 ? std::numeric_limits<double>::infinity()
                         : distance.at(color) - distance.at(nearest());
    }
};

constexpr int pageBlock = 0;

using BlockMask = unsigned;
using BlockColors = std::array<int, previewBlockCount>;

BlockMask blocksShowing(const ReadabilityInput &light, int line)
{
    BlockMask mask = 0;
    for (int block = 0; block < previewBlockCount; ++block)
        if (light.shown.at(block).at(line))
            mask |= 1U << block;
    return mask;
}

// The colours that reach AA on every block of `mask`.
WebSafeSet readableOn(BlockMask mask, const BlockColors &blocks)
{
    WebSafeSet readable = everyColor();
    for (int block = 0; block < previewBlockCount; ++block)
        if ((mask & (1U << block)) != 0)
            readable &= tables().readableWith.at(blocks.at(block));
    return readable;
}

// Where a block may go, nearest its target first. A colour is left out when
// a nearer one lets every colour read that it does: it could never let the
// lines come nearer, only cost more.
struct BlockCandidates
{
    const Distances *distance = nullptr;
    std::array<int, webSafeColorCount> byDistance{};
    int count = 0;

    BlockCandidates(const Ranking &ranking, const WebSafeSet &allowed) : distance(&ranking.distance)
    {
        WebSafeSet passedOver = ~allowed;
        for (const int color : ranking.order) {
            if (passedOver[color])
                continue;
            byDistance.at(count++) = color;
            passedOver |= tables().servesAllOf.at(color);
        }
    }
    double distanceOf(int color) const { return distance->at(color); }
    double nearestDistance() const { return distanceOf(byDistance.front()); }
};

// The blocks' colours for which the blocks' distances from their targets
// and the lines' detours (each line the nearest colour that reads on all its
// blocks) add up least. Blocks are given colours outside in, each nearest
// first; a choice is given up once it can no longer beat the best found,
// counting for each line what the blocks chosen so far already cost it.
class BlockSearch
{
public:
    BlockSearch(const std::array<BlockCandidates, previewBlockCount> &blocks,
                const std::array<const Ranking *, sampleLineCount> &lines,
                const ReadabilityInput &light)
        : m_blocks(blocks), m_lines(lines)
    {
        std::array<int, previewBlockCount> linesShown{};
        for (int line = 0; line < sampleLineCount; ++line) {
            m_lineBlocks.at(line) = blocksShowing(light, line);
            for (int block = 0; block < previewBlockCount; ++block)
                linesShown.at(block) += light.shown.at(block).at(line) ? 1 : 0;
        }
        // The blocks that show the most lines first: their lines' detours
        // then bound the search early.
        std::iota(m_order.begin(), m_order.end(), 0);
        std::stable_sort(m_order.begin(), m_order.end(), [&linesShown](int a, int b) {
            return linesShown.at(a) > linesShown.at(b);
        });
        double rest = 0;
        for (int step = previewBlockCount - 1; step >= 0; --step) {
            m_leastAfter.at(step) = rest;
            rest += blocks.at(m_order.at(step)).nearestDistance();
        }
    }

    // `serving` must leave every line a colour that reads.
    BlockColors run(const BlockColors &serving)
    {
        m_best = serving;
        m_bestCost = 0;
        for (int block = 0; block < previewBlockCount; ++block)
            m_bestCost += m_blocks.at(block).distanceOf(serving.at(block));
        for (int line = 0; line < sampleLineCount; ++line)
            m_bestCost += m_lines.at(line)->detour(readableOn(m_lineBlocks.at(line), serving));
        BlockColors colors{};
        search(colors, 0, 0, 0, Detours{});
        return m_best;
    }

private:
    using Detours = std::array<double, sampleLineCount>;

    static double sum(const Detours &detours)
    {
        return std::accumulate(detours.begin(), detours.end(), 0.0);
    }

    // Gives the block of `step` its colour, the blocks of the steps before
    // having theirs (`known`). `detours` holds what each line must move, at
    // the least, for those: a line's detour only grows as more of its blocks
    // have their colours.
    void search(BlockColors &colors, int step, BlockMask known, double blocksCost,
                const Detours &detours)
    {
        const int block = m_order.at(step);
        known |= 1U << block;
        const BlockCandidates &candidates = m_blocks.at(block);
        const double linesCost = sum(detours);
        for (int k = 0; k < candidates.count; ++k) {
            const int color = candidates.byDistance.at(k);
            const double reached = blocksCost + candidates.distanceOf(color);
            if (reached + m_leastAfter.at(step) + linesCost >= m_bestCost)
                return;
            colors.at(block) = color;
            Detours next = detours;
            for (int line = 0; line < sampleLineCount; ++line) {
                const BlockMask mask = m_lineBlocks.at(line);
                if ((mask & (1U << block)) != 0)
                    next.at(line) = m_lines.at(line)->detour(readableOn(mask & known, colors));
            }
            const double cost = reached + m_leastAfter.at(step) + sum(next);
            if (cost >= m_bestCost)
                continue;
            if (step + 1 < previewBlockCount) {
                search(colors, step + 1, known, reached, next);
            } else {
                m_best = colors;
                m_bestCost = cost;
            }
        }
    }

    const std::array<BlockCandidates, previewBlockCount> &m_blocks;
    const std::array<const Ranking *, sampleLineCount> &m_lines;
    std::array<BlockMask, sampleLineCount> m_lineBlocks{};
    // The order the blocks are given their colours in, and the least the
    // blocks after each step can add.
    std::array<int, previewBlockCount> m_order{};
    std::array<double, previewBlockCount> m_leastAfter{};
    BlockColors m_best{};
    double m_bestCost = 0;
};

} // namespace

std::array<ColorNumber, pageRoleCount> deriveDarkColors(const ReadabilityInput &light)
{
    std::array<Ranking, pageRoleCount> rankings;
    for (int role = 0; role < pageRoleCount; ++role)
        rankings.at(role) = Ranking(mirroredTarget(light.colors.at(role)));
    Ranking &page = rankings.at(toIndex(previewBlockRoles.at(pageBlock)));
    if (!tables().darkEnoughForPage.test(page.nearest())) {
        Lab target = mirroredTarget(light.colors.at(toIndex(previewBlockRoles.at(pageBlock))));
        target.L = std::min(target.L, darkBackgroundLightnessLimit);
        page = Ranking(target);
    }
    const auto blockRanking = [&](int block) -> const Ranking & {
        return rankings.at(toIndex(previewBlockRoles.at(block)));
    };
    std::array<const Ranking *, sampleLineCount> lines{};
    for (int line = 0; line < sampleLineCount; ++line)
        lines.at(line) = &rankings.at(toIndex(sampleLineRoles.at(line)));

    std::array<WebSafeSet, previewBlockCount> allowed{};
    allowed.fill(everyColor());
    allowed.at(pageBlock) = tables().darkEnoughForPage;
    const std::array<BlockCandidates, previewBlockCount> candidates{
        BlockCandidates(blockRanking(0), allowed.at(0)),
        BlockCandidates(blockRanking(1), allowed.at(1)),
        BlockCandidates(blockRanking(2), allowed.at(2))};
    BlockColors whiteReads{};
    for (int block = 0; block < previewBlockCount; ++block)
        whiteReads.at(block) =
            blockRanking(block).nearestIn(allowed.at(block) & tables().whiteReadsOn);
    const BlockColors blocks = BlockSearch(candidates, lines, light).run(whiteReads);

    std::array<ColorNumber, pageRoleCount> dark{};
    for (int block = 0; block < previewBlockCount; ++block)
        dark.at(toIndex(previewBlockRoles.at(block))) = webSafeColor(blocks.at(block));
    for (int line = 0; line < sampleLineCount; ++line)
        dark.at(toIndex(sampleLineRoles.at(line))) =
            webSafeColor(lines.at(line)->nearestIn(readableOn(blocksShowing(light, line), blocks)));
    return dark;
}

} // namespace tintmill
