#include "core/statistics_views.h"

#include "core/day_number.h"
#include "core/number_text.h"

namespace core {
namespace {

// Averages and percentages are worked out in single precision, as the figures are
// stored, so that halves round the way the stored values dictate.
float Ratio(float numerator, float denominator) {
    return numerator / denominator;
}

// Share of all holes played, in per cent.
float PerCentOfHoles(float count, float games) {
    return count * 100.0f / (games * 18.0f);
}

// The course's holes of one length class, in the order the table lists them.
struct ClassRow {
    const char* title;
    LengthClass lengthClass;
};

constexpr ClassRow ClassRows[] = {
    {"Short Par 3's (up to 120 yds)", ShortPar3},  {"Med Par 3's (121 to 185 yds)", MediumPar3},
    {"Long Par 3's (186 to 250 yds)", LongPar3},   {"Short Par 4's (251 to 350 yds)", ShortPar4},
    {"Med Par 4's (351 to 410 yds)", MediumPar4},  {"Long Par 4's (411 to 470 yds)", LongPar4},
    {"Short Par 5's (471 to 520 yds)", ShortPar5}, {"Med Par 5's (521 to 570 yds)", MediumPar5},
    {"Long Par 5's (571 and up)", LongPar5},
};

void FillGeneral1(const CourseState& c, StatisticsTable& t) {
    const float games = c.GamesRecorded;
    t[0] = {"Number of Rounds Played", SignedText(games), ""};
    t[1] = {"Best Score for 18 Holes", SignedText(c.BestRound), ""};
    t[2] = {"Best Front 9 Score", SignedText(c.BestFront), ""};
    t[3] = {"Best Back 9 Score", SignedText(c.BestBack), ""};
    struct Count {
        const char* title;
        float total;
    };
    const Count counts[] = {
        {"Total Bogeys", c.BogeysTotal},
        {"Total Pars", c.ParsTotal},
        {"Total Birdies", c.BirdiesTotal},
        {"Total Eagles", c.EaglesTotal},
        {"Total Double Eagles", c.DoubleEaglesTotal},
        {"Total Others", c.OthersTotal},
    };
    int row = 4;
    for (const Count& count : counts)
        t[row++] = {count.title, SignedText(count.total),
                    FormatNumber(PerCentOfHoles(count.total, games), "#00.0\\%")};
    t[10] = {"Stroke Average Front 9",
             FormatNumber(Ratio(static_cast<float>(c.FrontStrokesTotal), games), "#00.00"), ""};
    t[11] = {"Stroke Average Back 9",
             FormatNumber(Ratio(static_cast<float>(c.BackStrokesTotal), games), "#00.00"), ""};
    t[12] = {"Stroke Average 18 Holes",
             FormatNumber(Ratio(static_cast<float>(c.RoundStrokesTotal), games), "#00.00"), ""};
    // A course of par 3s only has no fairway to hit.
    std::string fairways;
    if (c.FairwaysPerRound != 0)
        fairways = FormatNumber(c.FairwaysHitTotal * 100.0f /
                                    (games * static_cast<float>(c.FairwaysPerRound)),
                                "#00.0\\%");
    t[13] = {"Fairways in Regulation", FormatNumber(c.FairwaysHitTotal, "###0"), fairways};
}

void FillGeneral2(const CourseState& c, StatisticsTable& t) {
    const float games = c.GamesRecorded;
    struct Count {
        const char* title;
        int total;
    };
    const Count counts[] = {
        {"Times Broke 40 on Front 9", c.FrontUnder40}, {"Times Broke 40 on Back 9", c.BackUnder40},
        {"Times Broke 100", c.RoundsUnder100},         {"Times Broke 90", c.RoundsUnder90},
        {"Times Broke 80", c.RoundsUnder80},           {"Times Broke 70", c.RoundsUnder70},
    };
    int row = 0;
    for (const Count& count : counts) {
        float share = Ratio(static_cast<float>(count.total), games);
        t[row++] = {count.title, FormatNumber(count.total, "##0"), FormatNumber(share, "##0.0%")};
    }
    // No penalty at all still shows a count, not an empty cell.
    t[7] = {"Total # of Penalty Shots",
            c.PenaltyTotal > 0 ? FormatNumber(c.PenaltyTotal, "####") : "0", ""};
    t[8] = {"Avg. Penalties per round",
            FormatNumber(Ratio(static_cast<float>(c.PenaltyTotal), games), "#0.00"), ""};
    t[10] = {"Highest Score (18 Holes)", FormatNumber(c.HighestRound, "##0"), ""};
    t[11] = {"Most Sub-Par holes (1 game)", FormatNumber(c.MostSubParHoles, "#0"), ""};
    t[12] = {"Most Pars (1 game)", FormatNumber(c.MostPars, "#0"), ""};
    t[13] = {"Most Above Par holes (1 game)", FormatNumber(c.MostOverParHoles, "#0"), ""};
}

void FillAverages(const CourseState& c, StatisticsTable& t) {
    const char* parTitles[] = {"Stroke Average Par 3's", "Stroke Average Par 4's",
                               "Stroke Average Par 5's"};
    for (int p = 0; p < 3; ++p) {
        std::string average;
        if (c.ParHolesPlayed[p] != 0)
            average = FormatNumber(Ratio(static_cast<float>(c.ParStrokesTotal[p]),
                                         static_cast<float>(c.ParHolesPlayed[p])),
                                   "##.00");
        t[p] = {parTitles[p], average, ""};
    }
    // Strokes per hole of the class per round: every hole of the class is taken to
    // have been played in every round.
    int row = 4;
    for (const ClassRow& r : ClassRows) {
        int holes = c.LengthClassHoles[r.lengthClass];
        std::string average;
        if (holes != 0)
            average = FormatNumber(Ratio(static_cast<float>(c.LengthClassStrokes[r.lengthClass]),
                                         static_cast<float>(holes) * c.GamesRecorded),
                                   "##.00");
        t[row++] = {r.title, average, ""};
    }
}

void FillAroundTheGreen(const CourseState& c, StatisticsTable& t) {
    const float games = c.GamesRecorded;
    const float putts = static_cast<float>(c.FrontPuttsTotal + c.BackPuttsTotal);
    t[0] = {"Putting Average Front 9",
            FormatNumber(Ratio(static_cast<float>(c.FrontPuttsTotal), games), "#0.00"), ""};
    t[1] = {"Putting Average Back 9",
            FormatNumber(Ratio(static_cast<float>(c.BackPuttsTotal), games), "#0.00"), ""};
    t[2] = {"Putting Average 18 Holes", FormatNumber(Ratio(putts, games), "#0.00"), ""};
    std::string regulationPutts;
    if (c.GreensInRegulationTotal != 0)
        regulationPutts =
            FormatNumber(Ratio(c.GreensInRegulationPutts, c.GreensInRegulationTotal), "#0.000");
    t[3] = {"Putting Avg. (Greens in Reg)", regulationPutts, ""};
    t[4] = {"Avg. # of Putts per Hole", FormatNumber(Ratio(putts, games) / 18.0f, "#0.000"), ""};
    t[5] = {"Low # of Putts Front 9", FormatNumber(c.LowFrontPutts, "###"), ""};
    t[6] = {"Low # of Putts Back 9", FormatNumber(c.LowBackPutts, "###"), ""};
    t[7] = {"Low # of Putts 18 Holes", FormatNumber(c.LowRoundPutts, "###"), ""};
    t[8] = {"# of 1 putt greens", FormatNumber(c.OnePuttTotal, "###0"),
            FormatNumber(PerCentOfHoles(c.OnePuttTotal, games), "##.0\\%")};
    t[9] = {"# of 2 putt greens", FormatNumber(c.TwoPuttTotal, "###0"),
            FormatNumber(PerCentOfHoles(c.TwoPuttTotal, games), "##.0\\%")};
    t[10] = {"# of 3 or more putt greens", FormatNumber(c.ThreePuttTotal, "###0"),
             FormatNumber(PerCentOfHoles(c.ThreePuttTotal, games), "##.0\\%")};
    t[11] = {"Chip In's", FormatNumber(c.ChipInTotal, "##0"),
             FormatNumber(PerCentOfHoles(c.ChipInTotal, games), "#0.0\\%")};
    t[12] = {"# of shots from Bunkers", FormatNumber(c.BunkerShotTotal, "###0"), ""};
    std::string saves;
    if (c.SandSaveAttempts != 0)
        saves = FormatNumber(
            Ratio(c.SandSaveTotal, static_cast<float>(c.SandSaveAttempts)) * 100.0f, "#00.0\\%");
    t[13] = {"Sand Saves", FormatNumber(c.SandSaveTotal, "##0"), saves};
    t[14] = {"Greens in Regulation", FormatNumber(c.GreensInRegulationTotal, "###0"),
             FormatNumber(PerCentOfHoles(c.GreensInRegulationTotal, games), "#00.0\\%")};
}

} // namespace

StatisticsTable ComputeStatisticsView(const CourseState& course, StatisticsView view) {
    StatisticsTable table{};
    switch (view) {
    case StatisticsView::General1:
        FillGeneral1(course, table);
        break;
    case StatisticsView::General2:
        FillGeneral2(course, table);
        break;
    case StatisticsView::Averages:
        FillAverages(course, table);
        break;
    case StatisticsView::AroundTheGreen:
        FillAroundTheGreen(course, table);
        break;
    }
    return table;
}

std::string StatisticsCaption(const CourseState& course) {
    return "Golf Statistics for " + course.PlayerName + " from the " + course.TeeName + " tees";
}

StatisticsDateLines ComputeStatisticsDateLines(const CourseState& course, double today,
                                               double now) {
    if (course.FirstDate.dayNumber < today)
        return {" From: " + FormatDate(course.FirstDate.dayNumber, "mmm dd, yyyy"),
                "    To: " + FormatDate(course.LastDate, "mmm dd, yyyy")};
    return {" From: " + FormatDate(now, "mmm dd, yyyy"), ""};
}

} // namespace core
