// How long one CSS colour text takes to read: the reader runs on every
// keystroke in the nearest-colour window. See bench/README.md.
//
// Usage: tintmill_bench_csscolor [Google Benchmark options]

#include "core/csscolor.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tintmill;

void read(benchmark::State &state, const char *text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readCssColor(text));
}

} // namespace

BENCHMARK_CAPTURE(read, hex, "#1da1f2");
BENCHMARK_CAPTURE(read, name, "steelblue");
BENCHMARK_CAPTURE(read, oklch, "oklch(62.8% 0.2577 29.23)");
// Outside sRGB: the gamut mapping's search.
BENCHMARK_CAPTURE(read, displayP3, "color(display-p3 1 0 0)");
BENCHMARK_CAPTURE(read, relative, "rgb(from #336699 r g calc(b + 40))");
// A mix of a relative colour and a colour outside sRGB, with a calculation.
BENCHMARK_CAPTURE(read, mix,
                  "color-mix(in oklch longer hue, oklch(from #336699 calc(l * 0.8) c h) 30%, "
                  "color(display-p3 1 0 0))");
// Refused at the deepest nesting there is.
BENCHMARK_CAPTURE(read, tooDeep,
                  "rgb(calc(((((((((((((((((((((((((((((((((((((((((1)))))))))))))))))))))))))))"
                  "))))))))))))))) 0 0)");
