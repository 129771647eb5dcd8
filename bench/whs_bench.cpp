// Replaying years of journaled rounds for the WHS index: the handicap window does it
// each time it shows its figures, so it has to stay well under a frame.
#include "core/whs_index.h"

#include <benchmark/benchmark.h>

#include <vector>

static std::vector<core::WhsRound> Seasons(int rounds) {
    std::vector<core::WhsRound> played;
    for (int i = 0; i < rounds; ++i)
        played.push_back(
            {45000.0 + i * 3, 78 + (i * 7) % 19, 712 + (i % 3) * 10, 1130 + ((i * 5) % 30) * 10});
    return played;
}

static void BM_ComputeWhsHistory(benchmark::State& state) {
    const std::vector<core::WhsRound> played = Seasons(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(core::ComputeWhsHistory(played));
}
BENCHMARK(BM_ComputeWhsHistory)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
