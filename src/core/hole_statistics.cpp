#include "core/hole_statistics.h"

#include "core/number_text.h"

#include <utility>

namespace core {
namespace {

float HoleAverage(const CourseState& course, int hole) {
    return static_cast<float>(course.HoleStrokes[hole]) / course.GamesRecorded;
}

} // namespace

float HoleOthers(const CourseState& course, int hole) {
    int counted = 0;
    for (int k = 0; k < ResultClassCount; ++k)
        counted += course.HoleResults[hole][k];
    return course.GamesRecorded - static_cast<float>(counted);
}

HoleTable ComputeHoleTable(const CourseState& course) {
    HoleTable table{};
    for (int h = 1; h <= HoleCount; ++h) {
        HoleColumn& column = table[h];
        column.par = SignedText(course.HolePar[h]);
        for (int k = 0; k < ResultClassCount; ++k)
            column.results[k] = SignedText(course.HoleResults[h][k]);
        column.others = SignedText(HoleOthers(course, h));
        column.average = FormatNumber(HoleAverage(course, h), "##.00");
    }
    return table;
}

HoleRanking RankHoles(const CourseState& course) {
    HoleRanking r;
    for (int h = 1; h <= HoleCount; ++h) {
        r.value[h] = HoleAverage(course, h) - static_cast<float>(course.HolePar[h]);
        r.hole[h] = static_cast<float>(h);
        r.handicap[h] = course.HoleHandicap[h];
    }
    // Entry 0 holds the value being placed, so the scan stops there at the latest.
    // The comparison is strict: equal values never pass each other.
    for (int j = 2; j <= HoleCount; ++j) {
        r.value[0] = r.value[j];
        int k = j - 1;
        while (r.value[k] > r.value[k + 1]) {
            std::swap(r.value[k], r.value[k + 1]);
            std::swap(r.hole[k], r.hole[k + 1]);
            std::swap(r.handicap[k], r.handicap[k + 1]);
            --k;
        }
    }
    return r;
}

OneBased<RankingRow, HoleCount> ComputeRankingRows(const CourseState& course) {
    HoleRanking ranking = RankHoles(course);
    OneBased<RankingRow, HoleCount> rows{};
    for (int r = 1; r <= HoleCount; ++r) {
        rows[r].hole = SignedText(ranking.hole[r]);
        if (ranking.handicap[r] > 0)
            rows[r].handicap = SignedText(ranking.handicap[r]);
        rows[r].plusMinus = FormatNumber(ranking.value[r], "##0.00");
    }
    return rows;
}

HolePercentages ComputeHolePercentages(const CourseState& course, int hole) {
    HolePercentages p;
    p.caption = "Percentages-Hole #" + std::to_string(hole);
    // In floating point: 330 pars x 100 would not fit the old 16-bit counters.
    const float games = course.GamesRecorded;
    for (int k = 0; k < ResultClassCount; ++k)
        p.values[k] = FormatNumber(static_cast<float>(course.HoleResults[hole][k]) * 100.0f / games,
                                   "#0.0\\%");
    p.values[ResultClassCount] = FormatNumber(HoleOthers(course, hole) * 100.0f / games, "#0.0\\%");
    return p;
}

} // namespace core
