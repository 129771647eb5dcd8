// Saving a round (the folding into every accumulated statistic) and the four printed
// reports, each built from a loaded course and made into its text.
#include "core/course_file.h"
#include "core/round_folding.h"
#include "core/statistics_reports.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

core::CourseState LoadedCourse(benchmark::State& state) {
    core::CourseState course;
    if (!core::LoadCourseFile(std::string(TARNWICK_FIXTURES) + "/stats/many_rounds.crs", course))
        state.SkipWithError("the course file did not load");
    return course;
}

// A plausible card: bogey golf with a birdie, two putts mostly.
core::TypedRound TypicalRound(const core::CourseState& course) {
    core::TypedRound round;
    for (int hole = 1; hole <= core::HoleCount; ++hole) {
        round.HoleScore[hole] = course.HolePar[hole] + (hole % 5 == 0 ? -1 : 1);
        round.HolePutts[hole] = hole % 4 == 0 ? 1 : 2;
    }
    round.RoundFairways = 8;
    round.RoundPenalties = 1;
    round.RoundSandShots = 3;
    round.RoundSandAttempts = 2;
    round.RoundSandSaves = 1;
    round.EntryDate = 45000;
    return round;
}

// Every iteration folds one more round into the same course, as years of rounds do; the
// last-20 lists stay full, so each fold also shifts them.
void BM_SaveRoundFolding(benchmark::State& state) {
    core::CourseState course = LoadedCourse(state);
    const core::TypedRound round = TypicalRound(course);
    const auto confirm = [](int) { return true; };
    for (auto _ : state) {
        core::SaveOutcome outcome = core::SaveRound(course, round, confirm);
        if (outcome.status != core::SaveStatus::Saved) {
            state.SkipWithError("the round was not saved");
            return;
        }
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SaveRoundFolding)->Unit(benchmark::kMicrosecond);

void BM_StatisticsReport(benchmark::State& state, core::StatisticsReport report) {
    const core::CourseState course = LoadedCourse(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::BuildStatisticsReport(course, report).plainText());
}
BENCHMARK_CAPTURE(BM_StatisticsReport, general, core::StatisticsReport::General)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StatisticsReport, greens, core::StatisticsReport::AroundTheGreens)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StatisticsReport, averages, core::StatisticsReport::Averages)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StatisticsReport, holes, core::StatisticsReport::HoleByHole)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
