// How long one dark counterpart of a page colour set takes to derive: the
// work between asking for it and having the colours to show. See
// bench/README.md.
//
// Usage: tintmill_bench_darkscheme [Google Benchmark options]

#include "core/darkscheme.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tintmill;

ReadabilityInput allShown(const std::array<const char *, pageRoleCount> &captions)
{
    ReadabilityInput input;
    for (int role = 0; role < pageRoleCount; ++role)
        input.colors.at(role) = HexToColor(captions.at(role));
    for (auto &block : input.shown)
        block.fill(true);
    return input;
}

void derive(benchmark::State &state, const ReadabilityInput &light)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(deriveDarkColors(light));
}

// The start colours: one block moved so that white reads on it.
void startColours(benchmark::State &state)
{
    derive(state, allShown({"FFFFFF", "000000", "FF0000", "000000", "000000", "000000", "0000FF",
                            "000000"}));
}

// A khaki page with blue lines: both inner blocks turn dark and two lines
// move, the blocks and lines trading most among the hand-worked sets.
void blocksAndLinesTraded(benchmark::State &state)
{
    derive(state, allShown({"999966", "3333FF", "006666", "6633FF", "3300CC", "0033CC", "003366",
                            "003333"}));
}

// The slowest of 30,000 drawn light sets (each line on some blocks only):
// the search over the blocks' colours looks at the most choices.
void slowestDrawn(benchmark::State &state)
{
    ReadabilityInput light =
        allShown({"660099", "009900", "3333CC", "CC66FF", "3399FF", "9999FF", "000099", "33CC00"});
    const std::array<const char *, previewBlockCount> shown{"11001", "01011", "11101"};
    for (int block = 0; block < previewBlockCount; ++block)
        for (int line = 0; line < sampleLineCount; ++line)
            light.shown.at(block).at(line) = shown.at(block)[line] == '1';
    derive(state, light);
}

// The start colours with the page background run through all 216 colours,
// one a derivation: the paths mixed as a user's presses mix them.
void everyPageBackground(benchmark::State &state)
{
    ReadabilityInput light =
        allShown({"FFFFFF", "000000", "FF0000", "000000", "000000", "000000", "0000FF", "000000"});
    int index = 0;
    for (auto _ : state) {
        light.colors.at(toIndex(PageRole::Background)) = webSafeColor(index);
        index = (index + 1) % webSafeColorCount;
        benchmark::DoNotOptimize(deriveDarkColors(light));
    }
}

} // namespace

BENCHMARK(startColours)->Unit(benchmark::kMicrosecond);
BENCHMARK(blocksAndLinesTraded)->Unit(benchmark::kMicrosecond);
BENCHMARK(slowestDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(everyPageBackground)->Unit(benchmark::kMicrosecond);
