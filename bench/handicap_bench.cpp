// Adding a round to a full handicap table: the store of 20 rounds, the sort and the
// recomputation of both handicaps, with the tournament reduction.
#include "core/handicap_engine.h"

#include <benchmark/benchmark.h>

static core::HandicapState FullTable() {
    core::HandicapState h;
    for (int i = 0; i < 20; ++i) {
        core::HandicapRound round;
        round.date = 35065 + i * 7;
        round.adjustedScore = static_cast<float>(78 + (i * 7) % 19);
        round.courseRating = 71.2f + static_cast<float>(i % 3);
        round.slopeRating = static_cast<float>(113 + (i * 5) % 30);
        round.tournament = i % 6 == 0;
        core::AddRound(h, round);
    }
    return h;
}

// Each iteration starts from the same full table; the copy (under a kilobyte) is timed
// too, since pausing the clock for it costs more than the copy itself.
static void BM_AddRoundToFullTable(benchmark::State& state) {
    const core::HandicapState full = FullTable();
    core::HandicapRound round;
    round.date = 36000;
    round.adjustedScore = 84;
    round.courseRating = 72.3f;
    round.slopeRating = 125;
    round.tournament = true;
    round.grossScore = 87.0;
    for (auto _ : state) {
        core::HandicapState h = full;
        benchmark::DoNotOptimize(core::AddRound(h, round));
        benchmark::DoNotOptimize(h);
    }
}
BENCHMARK(BM_AddRoundToFullTable);

BENCHMARK_MAIN();
