// Folding a course's journaled rounds again, as a correction or a removal does.
#include "core/course_file.h"
#include "core/day_number.h"
#include "core/round_journal.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

core::RoundJournal JournalOf(const core::CourseState& course, int rounds) {
    core::RoundJournal journal;
    journal.base = course;
    for (int i = 0; i < rounds; ++i) {
        core::TypedRound r;
        for (int h = 1; h <= core::HoleCount; ++h) {
            r.HoleScore[h] = course.HolePar[h] + (h * 7 + i) % 4 - 1;
            r.HolePutts[h] = 1 + (h + i) % 3;
        }
        r.RoundFairways = static_cast<float>(i % 15);
        r.RoundPenalties = static_cast<float>(i % 3);
        r.EntryDate = core::DayNumberFromDate(1996, 1, 1) + i;
        journal.rounds.push_back(r);
    }
    return journal;
}

// The rounds folded from the base, and the course file text they give.
void BM_RebuildThousandRounds(benchmark::State& state) {
    core::CourseState course;
    if (!core::LoadCourseFile(std::string(TARNWICK_FIXTURES) + "/stats/no_rounds.crs", course)) {
        state.SkipWithError("the course file did not load");
        return;
    }
    const core::RoundJournal journal = JournalOf(course, 1000);
    for (auto _ : state) {
        core::CourseState rebuilt;
        core::RebuildCourse(course, journal, rebuilt);
        benchmark::DoNotOptimize(core::CourseFileText(rebuilt, core::CourseFileKind::Rewrite));
    }
}
BENCHMARK(BM_RebuildThousandRounds)->Unit(benchmark::kMillisecond);

// Reading a journal of 1,000 rounds back.
void BM_ParseThousandRoundJournal(benchmark::State& state) {
    core::CourseState course;
    if (!core::LoadCourseFile(std::string(TARNWICK_FIXTURES) + "/stats/no_rounds.crs", course)) {
        state.SkipWithError("the course file did not load");
        return;
    }
    const std::string text = core::RoundJournalText(JournalOf(course, 1000));
    for (auto _ : state) {
        core::RoundJournal journal;
        core::ParseRoundJournal(text, "bench.crs.rounds", journal);
        benchmark::DoNotOptimize(journal);
    }
}
BENCHMARK(BM_ParseThousandRoundJournal)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
