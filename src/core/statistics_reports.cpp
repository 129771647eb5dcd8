#include "core/statistics_reports.h"

#include "core/day_number.h"
#include "core/hole_statistics.h"
#include "core/number_text.h"

#include <string>

namespace core {
namespace {

constexpr int LeftColumn = 10;
constexpr int TitleSize = 12;

std::string ReportDate(double dayNumber) {
    return FormatDate(dayNumber, "mmmm dd, yyyy");
}

std::string Period(const CourseState& c, std::string_view from) {
    return std::string(from) + ReportDate(c.FirstDate.dayNumber) + " to " + ReportDate(c.LastDate);
}

void Identity(PrintDocument& doc, const CourseState& c) {
    doc.line(LeftColumn, "Statistics for: " + c.PlayerName);
    doc.line(LeftColumn, "Course: " + c.CourseName);
    doc.line(LeftColumn, "Tee: " + c.TeeName);
    doc.emptyLines(1);
}

// Single-precision shares and averages, as the figures are stored.
float PerCentOfHoles(float count, float games) {
    return count * 100.0f / (games * 18.0f);
}

float Ratio(float numerator, float denominator) {
    return numerator / denominator;
}

std::string HoleName(int hole) {
    return hole < 10 ? "Hole # " + std::to_string(hole) + " "
                     : "Hole #" + std::to_string(hole) + " ";
}

// k blanks, then the text right-aligned in w characters.
std::string Field(int blanks, int width, std::string_view text) {
    return std::string(blanks, ' ') + RightAlign(text, width);
}

class LabelledRows {
public:
    LabelledRows(PrintDocument& doc, int valueColumn) : doc_(doc), valueColumn_(valueColumn) {}

    PrintDocument& row(std::string_view label, std::string_view value) {
        return doc_.tab(LeftColumn).text(label).tab(valueColumn_).text(value);
    }
    void line(std::string_view label, std::string_view value) { row(label, value).endLine(); }

private:
    PrintDocument& doc_;
    int valueColumn_;
};

void GeneralReport(PrintDocument& doc, const CourseState& c) {
    const float games = c.GamesRecorded;
    doc.emptyLines(5).fontSize(TitleSize).bold(true);
    doc.line(LeftColumn, "GENERAL STATISTICS").emptyLines(1);
    Identity(doc, c);
    doc.line(LeftColumn, Period(c, "From "));
    doc.bold(false).emptyLines(2);

    LabelledRows rows(doc, 45);
    rows.line("Number of Rounds Played:", FormatNumber(games, "###0"));
    rows.line("Best Score for 18 Holes:", FormatNumber(c.BestRound, "###0"));
    rows.line("Best Front 9 score:", FormatNumber(c.BestFront, "###0"));
    rows.line("Best Back 9 score:", FormatNumber(c.BestBack, "###0"));
    doc.emptyLines(1);

    struct Count {
        const char* label;
        float total;
    };
    const Count counts[] = {
        {"Total # of Bogeys:", c.BogeysTotal},
        {"Total # of Pars:", c.ParsTotal},
        {"Total # of Birdies:", c.BirdiesTotal},
        {"Total # of Eagles:", c.EaglesTotal},
        {"Total # of Double Eagles:", c.DoubleEaglesTotal},
        {"Total # of Others:", c.OthersTotal},
    };
    for (const Count& count : counts)
        rows.row(count.label, FormatNumber(count.total, "###0"))
            .nextZone()
            .text(FormatNumber(PerCentOfHoles(count.total, games), "      00.00\\%"))
            .endLine();
    doc.emptyLines(1);

    rows.line("Stroke Average Front 9:",
              FormatNumber(Ratio(static_cast<float>(c.FrontStrokesTotal), games), "#00.00"));
    rows.line("Stroke Average Back 9:",
              FormatNumber(Ratio(static_cast<float>(c.BackStrokesTotal), games), "#00.00"));
    rows.line("Stroke Average 18 Holes:",
              FormatNumber(Ratio(static_cast<float>(c.RoundStrokesTotal), games), "#00.00"));
    doc.emptyLines(1);

    rows.row("Fairways in Regulation:", FormatNumber(c.FairwaysHitTotal, "###0"));
    // A course of par 3s only has no fairway: no share to print.
    if (c.FairwaysPerRound != 0)
        doc.nextZone().text(FormatNumber(c.FairwaysHitTotal * 100.0f /
                                             (games * static_cast<float>(c.FairwaysPerRound)),
                                         "      #00.00\\%"));
    doc.endLine().emptyLines(1);

    rows.line("Times Broke 40 (Front 9):", FormatNumber(c.FrontUnder40, "###0"));
    rows.line("Times Broke 40 (Back 9):", FormatNumber(c.BackUnder40, "###0"));
    doc.emptyLines(1);
    rows.line("Times Broke 100:", FormatNumber(c.RoundsUnder100, "###0"));
    rows.line("Times Broke 90:", FormatNumber(c.RoundsUnder90, "###0"));
    rows.line("Times Broke 80:", FormatNumber(c.RoundsUnder80, "###0"));
    rows.line("Times Broke 70:", FormatNumber(c.RoundsUnder70, "###0"));
    doc.emptyLines(1);

    bool penalties = c.PenaltyTotal > 0;
    rows.line("# of Penalty Strokes:", penalties ? FormatNumber(c.PenaltyTotal, "####") : "0");
    rows.line("Avg. Penalties per Round:",
              penalties ? FormatNumber(Ratio(static_cast<float>(c.PenaltyTotal), games), "#0.00")
                        : "0");
}

void AroundTheGreensReport(PrintDocument& doc, const CourseState& c) {
    const float games = c.GamesRecorded;
    const float putts = static_cast<float>(c.FrontPuttsTotal + c.BackPuttsTotal);
    doc.emptyLines(4).fontSize(TitleSize).bold(true);
    doc.line(LeftColumn, "AROUND THE GREEN").emptyLines(1);
    Identity(doc, c);
    doc.line(LeftColumn, Period(c, "From: "));
    doc.bold(false).fontSize(TitleSize).emptyLines(2);

    LabelledRows rows(doc, 45);
    auto withShare = [&](std::string_view label, std::string_view value, float percent) {
        rows.row(label, value).tab(60).text(FormatNumber(percent, "00.00\\%")).endLine();
    };
    rows.line("Putting Average Front 9: ",
              FormatNumber(Ratio(static_cast<float>(c.FrontPuttsTotal), games), "#00.00"));
    rows.line("Putting Average Back 9:  ",
              FormatNumber(Ratio(static_cast<float>(c.BackPuttsTotal), games), "#00.00"));
    rows.line("Putting Average 18 Holes:", FormatNumber(Ratio(putts, games), "#00.00"));
    rows.line(
        "Putting Avg. (Greens in Reg):",
        c.GreensInRegulationTotal > 0
            ? FormatNumber(Ratio(c.GreensInRegulationPutts, c.GreensInRegulationTotal), "##0.00")
            : "0.00");
    rows.line("Avg. # of Putts per Hole:", FormatNumber(Ratio(putts, games) / 18.0f, "#.000"));
    doc.emptyLines(1);

    rows.line("Lowest # of Putts (Front 9):", FormatNumber(c.LowFrontPutts, "####0"));
    rows.line("Lowest # of Putts (Back 9):", FormatNumber(c.LowBackPutts, "####0"));
    rows.line("Lowest # of Putts (18 Holes):", FormatNumber(c.LowRoundPutts, "####0"));
    doc.emptyLines(1);

    withShare("# of One Putt Greens:", FormatNumber(c.OnePuttTotal, "####0"),
              PerCentOfHoles(c.OnePuttTotal, games));
    withShare("# of Two Putt Greens:", FormatNumber(c.TwoPuttTotal, "####0"),
              PerCentOfHoles(c.TwoPuttTotal, games));
    withShare("# of Three or More Putt Greens:", FormatNumber(c.ThreePuttTotal, "####0"),
              PerCentOfHoles(c.ThreePuttTotal, games));
    withShare("# of Chip In's:", FormatNumber(c.ChipInTotal, "####0"),
              PerCentOfHoles(c.ChipInTotal, games));
    doc.emptyLines(1);

    rows.line("# of shots taken from bunkers:", FormatNumber(c.BunkerShotTotal, "####0"));
    if (c.SandSaveAttempts > 0)
        withShare("# of Sand Saves:", FormatNumber(c.SandSaveTotal, "####0"),
                  Ratio(c.SandSaveTotal, static_cast<float>(c.SandSaveAttempts)) * 100.0f);
    else
        rows.line("# of Sand Saves:", FormatNumber(c.SandSaveTotal, "####0"));
    withShare("Greens in Regulation:", FormatNumber(c.GreensInRegulationTotal, "####0"),
              PerCentOfHoles(c.GreensInRegulationTotal, games));
    doc.emptyLines(1);

    rows.line("Highest score (18 Holes):", FormatNumber(c.HighestRound, "##0"));
    rows.line("Most # Sub-Par holes (1 game):", FormatNumber(c.MostSubParHoles, "#0"));
    rows.line("Most Pars (1 game):", FormatNumber(c.MostPars, "#0"));
    rows.line("Most Above Par holes (1 game):", FormatNumber(c.MostOverParHoles, "#0"));
}

void AveragesReport(PrintDocument& doc, const CourseState& c) {
    doc.emptyLines(4).bold(true).fontSize(TitleSize);
    doc.line(LeftColumn, "HOLE AVERAGES").emptyLines(1);
    Identity(doc, c);
    doc.line(LeftColumn, Period(c, "From: "));
    doc.bold(false).emptyLines(3);

    LabelledRows rows(doc, 50);
    const char* parLabels[] = {
        "Average Score Par 3's:", "Average Score Par 4's:", "Average Score Par 5's:"};
    for (int p = 0; p < 3; ++p)
        rows.line(parLabels[p], c.ParHolesPlayed[p] > 0
                                    ? FormatNumber(Ratio(static_cast<float>(c.ParStrokesTotal[p]),
                                                         static_cast<float>(c.ParHolesPlayed[p])),
                                                   "##.00")
                                    : "N\\A");
    doc.emptyLines(1);

    struct ClassRow {
        const char* label;
        LengthClass lengthClass;
    };
    const ClassRow classes[] = {
        {"Short Par 3's (up to 120 yards):", ShortPar3},
        {"Medium Par 3's (121 to 185 yards):", MediumPar3},
        {"Long Par 3's (186 to 250 yards):", LongPar3},
        {"Short Par 4's (251 to 350 yards):", ShortPar4},
        {"Medium Par 4's (351 to 410 yards):", MediumPar4},
        {"Long Par 4's (411 to 470 yards):", LongPar4},
        {"Short Par 5's (471 to 520 yards):", ShortPar5},
        {"Medium Par 5's (521 to 570 yards):", MediumPar5},
        {"Long Par 5's (570 yards and up):", LongPar5},
    };
    for (int i = 0; i < LengthClassCount; ++i) {
        const ClassRow& r = classes[i];
        int holes = c.LengthClassHoles[r.lengthClass];
        rows.line(r.label,
                  holes > 0
                      ? FormatNumber(Ratio(static_cast<float>(c.LengthClassStrokes[r.lengthClass]),
                                           static_cast<float>(holes) * c.GamesRecorded),
                                     "##.00")
                      : "----");
        if (i == 2 || i == 5)
            doc.emptyLines(1);
    }
}

// The heading of the best-to-worst ranking, and the ranking itself.
HoleRanking RankingHeading(PrintDocument& doc, const CourseState& c) {
    doc.emptyLines(2).bold(true).line(LeftColumn, "HOLES BEST TO WORST").emptyLines(1).bold(false);
    doc.bold(true).line(LeftColumn, "Hole   Hdcp  Plus/Minus").bold(false);
    return RankHoles(c);
}

void HoleByHoleReport(PrintDocument& doc, const CourseState& c) {
    doc.emptyLines(2).fontSize(TitleSize).bold(true);
    doc.line(LeftColumn, "HOLE BY HOLE");
    Identity(doc, c);
    doc.line(LeftColumn, Period(c, "From "));
    doc.bold(false).emptyLines(2);

    doc.tab(22).text("DblEag").tab(32).text("Eag").tab(39).text("Brd").tab(46).text("Par");
    doc.tab(53).text("Bgy").tab(60).text("Oth").tab(67).text("Avg").endLine().emptyLines(1);
    for (int h = 1; h <= HoleCount; ++h) {
        const auto& results = c.HoleResults[h];
        doc.tab(LeftColumn).text(HoleName(h));
        doc.tab(25).text(FormatNumber(results[0], "#0"));
        const int columns[] = {32, 39, 46, 53};
        for (int k = 1; k < ResultClassCount; ++k)
            doc.tab(columns[k - 1]).text(FormatNumber(results[k], "###0"));
        doc.tab(60).text(FormatNumber(HoleOthers(c, h), "###0"));
        doc.tab(67).text(
            FormatNumber(static_cast<float>(c.HoleStrokes[h]) / c.GamesRecorded, "    #0.00"));
        doc.endLine();
    }

    HoleRanking ranking = RankingHeading(doc, c);
    for (int r = 1; r <= HoleCount; ++r) {
        doc.tab(12).text(FormatNumber(ranking.hole[r], "##"));
        doc.tab(19).text(FormatNumber(ranking.handicap[r], "##"));
        doc.tab(28).text(FormatNumber(ranking.value[r], "#0.00")).endLine();
    }
}

} // namespace

std::string_view StatisticsReportTitle(StatisticsReport report) {
    switch (report) {
    case StatisticsReport::General:
        return "General Statistics Report";
    case StatisticsReport::AroundTheGreens:
        return "Around the Greens Report";
    case StatisticsReport::Averages:
        return "Averages Report";
    case StatisticsReport::HoleByHole:
        return "Hole By Hole Report";
    }
    return "Report";
}

bool HasScoresToReport(const CourseState& course) {
    return course.GamesRecorded != 0;
}

PrintDocument BuildStatisticsReport(const CourseState& course, StatisticsReport report) {
    PrintDocument doc;
    doc.setName(DocumentName(StatisticsReportTitle(report), course.CourseName));
    switch (report) {
    case StatisticsReport::General:
        GeneralReport(doc, course);
        break;
    case StatisticsReport::AroundTheGreens:
        AroundTheGreensReport(doc, course);
        break;
    case StatisticsReport::Averages:
        AveragesReport(doc, course);
        break;
    case StatisticsReport::HoleByHole:
        HoleByHoleReport(doc, course);
        break;
    }
    doc.end();
    return doc;
}

PrintDocument BuildHoleByHolePrintout(const CourseState& c) {
    PrintDocument doc;
    doc.setName(DocumentName("Hole by Hole Statistics", c.CourseName));
    doc.emptyLines(2).bold(true);
    doc.line(LeftColumn, "HOLE BY HOLE");
    Identity(doc, c);
    doc.line(LeftColumn, Period(c, "From "));
    doc.bold(false).emptyLines(2);
    doc.line(LeftColumn, "         DblEag  Eag   Brd  Par   Bgy   Oth     Avg").emptyLines(1);
    for (int h = 1; h <= HoleCount; ++h) {
        const auto& results = c.HoleResults[h];
        std::string text = HoleName(h) + Field(2, 2, FormatNumber(results[0], "#0"));
        for (int k = 1; k < ResultClassCount; ++k)
            text += Field(2, 4, FormatNumber(results[k], "###0"));
        text += Field(2, 4, FormatNumber(HoleOthers(c, h), "###0"));
        text += Field(
            0, 5,
            FormatNumber(static_cast<float>(c.HoleStrokes[h]) / c.GamesRecorded, "    #0.00"));
        doc.line(LeftColumn, text);
    }
    HoleRanking ranking = RankingHeading(doc, c);
    for (int r = 1; r <= HoleCount; ++r)
        doc.line(LeftColumn, Field(1, 2, FormatNumber(ranking.hole[r], "##")) +
                                 Field(3, 4, FormatNumber(ranking.handicap[r], "##")) +
                                 Field(5, 5, FormatNumber(ranking.value[r], "#0.00")));
    doc.end();
    return doc;
}

std::optional<StatisticsReport> StatisticsReportFromName(std::string_view name) {
    if (name == "general")
        return StatisticsReport::General;
    if (name == "greens")
        return StatisticsReport::AroundTheGreens;
    if (name == "averages")
        return StatisticsReport::Averages;
    if (name == "holes")
        return StatisticsReport::HoleByHole;
    return std::nullopt;
}

} // namespace core
