#pragma once

#include "core/chart_model.h"
#include "core/course_state.h"
#include "core/handicap_state.h"

#include <optional>

// The settings each chart window gives its chart, in the order it gives them. Every
// script ends by drawing.
namespace core {

// Whether any hole of the course has this par.
bool CourseHasParHole(const CourseState& course, int par);

// Average strokes per hole: all holes, or only the holes of one par.
ChartScript AveragesChartScript(const CourseState& course, std::optional<int> par, bool threeD);

enum class DistributionPie { Scores, HoleScores, AroundTheGreen };
ChartScript DistributionPieScript(const CourseState& course, DistributionPie pie, bool threeD);

// Changes the type of whatever chart is shown and draws it again.
ChartScript ChartTypeScript(ChartType type);

// The adjusted gross scores of the handicap table, newest first.
ChartScript LastGamesChartScript(const HandicapState& handicap);

// The charts of the last 20 rounds. Load is the chart the window opens with.
enum class RecentChart {
    Load,
    RoundScores,
    FrontScores,
    BackScores,
    RoundPutts,
    FrontPutts,
    BackPutts
};
ChartScript RecentChartScript(const CourseState& course, RecentChart chart);
// Greens in regulation (set 1) and fairways hit (set 2) of the same rounds.
ChartScript FairwaysAndGreensScript(const CourseState& course);

// How many of the recent-round entries hold a round (0..20).
int RecentRoundsCharted(const CourseState& course);

} // namespace core
