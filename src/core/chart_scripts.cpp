#include "core/chart_scripts.h"

#include "core/number_text.h"

#include <algorithm>
#include <string>

namespace core {
namespace {

using P = ChartProperty;

void Add(ChartScript& script, ChartProperty property, double value) {
    ChartStep& step = script.emplace_back();
    step.property = property;
    step.value.emplace<double>(value);
}

void Add(ChartScript& script, ChartProperty property, std::string text) {
    ChartStep& step = script.emplace_back();
    step.property = property;
    step.value.emplace<std::string>(std::move(text));
}

void Draw(ChartScript& script) {
    Add(script, P::DrawAction, double(ChartAction::Draw));
}

const char* AveragesTitle(std::optional<int> par) {
    switch (par.value_or(0)) {
    case 3:
        return "Averages Par Three's";
    case 4:
        return "Averages Par Four's";
    case 5:
        return "Averages Par Five's";
    case 6:
        return "Averages Par Six's";
    default:
        return "Averages All Holes";
    }
}

struct Slice {
    double value;
    const char* legend;
};

} // namespace

bool CourseHasParHole(const CourseState& course, int par) {
    for (int h = 1; h <= HoleCount; ++h)
        if (course.HolePar[h] == par)
            return true;
    return false;
}

ChartScript AveragesChartScript(const CourseState& course, std::optional<int> par, bool threeD) {
    std::vector<int> holes;
    for (int h = 1; h <= HoleCount; ++h)
        if (!par || course.HolePar[h] == *par)
            holes.push_back(h);
    // The statistics windows open only with rounds recorded; an empty course charts zeros.
    auto average = [&](int h) {
        return course.GamesRecorded > 0 ? double(course.HoleStrokes[h]) / course.GamesRecorded
                                        : 0.0;
    };

    ChartScript s;
    Add(s, P::ChartType, double(threeD ? ChartType::Bar3D : ChartType::Bar));
    Add(s, P::ClearArrays, double(ChartClear::Legends));
    Add(s, P::ClearArrays, double(ChartClear::Labels));
    Add(s, P::ClearArrays, double(ChartClear::Values));
    Add(s, P::SetCount, 1);
    Add(s, P::AutoAdvance, 1);
    auto titles = [&] {
        Add(s, P::BottomTitle, "Hole #");
        Add(s, P::ChartTitle, AveragesTitle(par));
        Add(s, P::PointCount, double(holes.size()));
    };
    // The all-holes chart has always given its titles and count after the values.
    if (par)
        titles();
    for (int h : holes)
        Add(s, P::DataValue, average(h));
    if (!par)
        titles();
    for (size_t p = 0; p < holes.size(); ++p) {
        Add(s, P::CurrentPoint, double(p + 1));
        Add(s, P::PointLabel, SignedText(holes[p]));
    }
    Draw(s);
    return s;
}

ChartScript DistributionPieScript(const CourseState& c, DistributionPie pie, bool threeD) {
    const char* title = "";
    std::vector<Slice> slices;
    switch (pie) {
    case DistributionPie::Scores:
        title = "Distribution of Scores";
        slices = {{c.GamesRecorded - c.RoundsUnder100, "Rounds over 100"},
                  {double(c.RoundsUnder100 - c.RoundsUnder90), "Rounds in 90's"},
                  {double(c.RoundsUnder90 - c.RoundsUnder80), "Rounds in 80's"},
                  {double(c.RoundsUnder80 - c.RoundsUnder70), "Rounds in 70's"},
                  {double(c.RoundsUnder70), "Rounds in 60's"}};
        break;
    case DistributionPie::AroundTheGreen:
        title = "Distribution Around the Green";
        slices = {{c.OnePuttTotal, "One Putts"},
                  {c.TwoPuttTotal, "Two Putts"},
                  {c.ThreePuttTotal, "Three+ Putts"},
                  {c.ChipInTotal, "Chip In's"}};
        break;
    case DistributionPie::HoleScores:
        title = "Distribution by Hole Scores";
        // Only the categories that happened get a slice.
        if (c.ParsTotal > 0)
            slices.push_back({c.ParsTotal, "Pars"});
        if (c.BogeysTotal > 0)
            slices.push_back({c.BogeysTotal, "Bogeys"});
        if (c.BirdiesTotal > 0)
            slices.push_back({c.BirdiesTotal, "Birdies"});
        if (c.EaglesTotal > 0 || c.DoubleEaglesTotal > 0)
            slices.push_back({double(c.EaglesTotal) + c.DoubleEaglesTotal, "Eagles-"});
        if (c.OthersTotal > 0)
            slices.push_back({c.OthersTotal, "Others"});
        break;
    }

    ChartScript s;
    Add(s, P::ClearArrays, double(ChartClear::Everything));
    Add(s, P::BottomTitle, "");
    Add(s, P::SetCount, 1);
    Add(s, P::AutoAdvance, 1);
    Add(s, P::ChartType, double(ChartType::Pie3D));
    Add(s, P::ChartTitle, title);
    Add(s, P::ChartType, double(threeD ? ChartType::Pie3D : ChartType::Pie));
    Add(s, P::PointCount, double(slices.size()));
    for (const Slice& slice : slices)
        Add(s, P::DataValue, slice.value);
    for (size_t p = 0; p < slices.size(); ++p) {
        Add(s, P::CurrentPoint, double(p + 1));
        Add(s, P::LegendText, slices[p].legend);
    }
    Draw(s);
    return s;
}

ChartScript ChartTypeScript(ChartType type) {
    ChartScript s;
    Add(s, P::ChartType, double(type));
    Draw(s);
    return s;
}

ChartScript LastGamesChartScript(const HandicapState& handicap) {
    int n = 0;
    for (int k = 1; k <= 20; ++k)
        if (handicap.LastScoreDate[k] != 0)
            ++n;
    ChartScript s;
    Add(s, P::CurrentSet, 1);
    Add(s, P::AutoAdvance, 1);
    Add(s, P::PointCount, n);
    for (int k = 1; k <= n; ++k)
        Add(s, P::DataValue, handicap.LastAdjustedScore[k]);
    Add(s, P::BottomTitle, "Last " + SignedText(n) + " Games");
    Add(s, P::ChartTitle, "Adjusted Gross Scores");
    Draw(s);
    return s;
}

int RecentRoundsCharted(const CourseState& course) {
    return std::clamp(int(course.RecentCount), 0, 20);
}

ChartScript RecentChartScript(const CourseState& c, RecentChart chart) {
    struct Chart {
        const OneBased<int, RecentSlots>* values;
        double minimum;
        const char* title;
    };
    Chart chosen{};
    switch (chart) {
    case RecentChart::Load:
        chosen = {&c.RecentRoundScore, 50, "Last Recorded 18 Hole Scores"};
        break;
    case RecentChart::RoundScores:
        chosen = {&c.RecentRoundScore, 50, "Last 18 Hole Scores\\Round"};
        break;
    case RecentChart::FrontScores:
        chosen = {&c.RecentFrontScore, 20, "Last Front 9 Scores\\Round"};
        break;
    case RecentChart::BackScores:
        chosen = {&c.RecentBackScore, 20, "Last Back 9 Scores\\Round"};
        break;
    case RecentChart::RoundPutts:
        chosen = {&c.RecentRoundPutts, 20, "Last 18 Hole Putts\\Round"};
        break;
    case RecentChart::FrontPutts:
        chosen = {&c.RecentFrontPutts, 10, "Front 9 Putts\\Round"};
        break;
    case RecentChart::BackPutts:
        chosen = {&c.RecentBackPutts, 20, "Last Back 9 Putts\\Round"};
        break;
    }
    int n = RecentRoundsCharted(c);
    ChartScript s;
    Add(s, P::CurrentSet, 1);
    if (chart != RecentChart::Load)
        Add(s, P::SetCount, 1);
    Add(s, P::AutoAdvance, 1);
    Add(s, P::AxisMinimum, chosen.minimum);
    Add(s, P::PointCount, n);
    for (int k = 1; k <= n; ++k)
        Add(s, P::DataValue, (*chosen.values)[k]);
    Add(s, P::BottomTitle, chosen.title);
    Draw(s);
    return s;
}

ChartScript FairwaysAndGreensScript(const CourseState& c) {
    int n = RecentRoundsCharted(c);
    ChartScript s;
    Add(s, P::CurrentSet, 1);
    Add(s, P::AutoAdvance, 1);
    Add(s, P::SetCount, 2);
    Add(s, P::PointCount, n);
    for (int k = 1; k <= n; ++k)
        Add(s, P::DataValue, c.RecentGreens[k]);
    for (int k = 1; k <= n; ++k) {
        Add(s, P::CurrentSet, 2);
        Add(s, P::DataValue, c.RecentFairways[k]);
    }
    Add(s, P::BottomTitle, "Fairways and Greens in Reg.\\Round");
    Draw(s);
    return s;
}

} // namespace core
