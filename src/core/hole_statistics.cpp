#include "core/hole_statistics.h"

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

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
    // Ranked on the exact strokes over par (strokes - par x games) rather than the float
    // average minus par: 14/3 - 4 and 11/3 - 3 differ in single precision, which would
    // put equal holes out of hole order.
    auto overPar = [&course](int hole) {
        return static_cast<long long>(course.HoleStrokes[hole]) -
               static_cast<long long>(course.HolePar[hole]) * std::llround(course.GamesRecorded);
    };
    std::array<int, HoleCount> order{};
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return overPar(a) < overPar(b); });

    HoleRanking r;
    for (int rank = 1; rank <= HoleCount; ++rank) {
        const int h = order[rank - 1];
        r.value[rank] = HoleAverage(course, h) - static_cast<float>(course.HolePar[h]);
        r.hole[rank] = static_cast<float>(h);
        r.handicap[rank] = course.HoleHandicap[h];
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
