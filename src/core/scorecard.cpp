#include "core/scorecard.h"

#include "core/day_number.h"
#include "core/number_text.h"

namespace core {
namespace {

constexpr int Margin = 10;
constexpr int FirstHoleColumn = 17;
constexpr int HoleColumnStep = 4;
constexpr int NineColumn = 53;
constexpr int TotalColumn = 58;

std::string Count(int value) {
    return RightAlign(FormatNumber(value, "#0"), 2);
}

std::string Count(float value) {
    return RightAlign(FormatNumber(value, "#0"), 2);
}

std::string Sum(int value) {
    return RightAlign(FormatNumber(value, "##0"), 3);
}

std::string Percent(double value) {
    return RightAlign(FormatNumber(value, "#00.0\\%"), 8);
}

std::string OfEighteen(int count) {
    return Percent(static_cast<double>(count) / HoleCount * 100);
}

// A row of nine holes at the hole columns, starting with hole `first`.
template <typename Cell> void HoleRow(PrintDocument& doc, int first, Cell cell) {
    for (int i = 0; i < 9; ++i)
        doc.tab(FirstHoleColumn + i * HoleColumnStep).text(cell(first + i));
}

void ParAverageLine(PrintDocument& doc, const RoundFigures& f, int par) {
    std::string label = "Average on Par " + std::to_string(par) + "'s:";
    std::string average = ParAverageText(f, par);
    if (average.empty())
        doc.line(Margin, label + "           0.00");
    else
        doc.line(Margin, label + "          " + RightAlign(average, 4));
}

} // namespace

PrintDocument ScorecardDocument(const CourseState& course, const TypedRound& round,
                                const RoundFigures& f, const ScorecardInfo& info) {
    PrintDocument doc;
    doc.setName(DocumentName("Scorecard", course.CourseName));
    doc.line(1, "'");
    doc.emptyLines(3);
    doc.bold(true);
    doc.line(Margin, "Scorecard for " + course.PlayerName);
    doc.line(Margin, "Course: " + course.CourseName);
    doc.line(Margin, "Tee: " + course.TeeName);
    doc.endLine();
    doc.line(Margin, FormatDate(round.EntryDate, "mmmm dd, yyyy"));
    doc.bold(false);
    doc.emptyLines(2);

    doc.line(Margin, "FRONT 9");
    doc.tab(Margin).text("Hole:");
    HoleRow(doc, 1, [](int h) { return std::string(" ").append(std::to_string(h)); });
    doc.tab(NineColumn).text("Out").endLine();
    doc.tab(Margin).text("Score:");
    HoleRow(doc, 1, [&](int h) { return Count(round.HoleScore[h]); });
    doc.tab(NineColumn).text(Sum(f.FrontScore)).endLine();
    doc.tab(Margin).text("Putts:");
    HoleRow(doc, 1, [&](int h) { return Count(round.HolePutts[h]); });
    doc.tab(NineColumn).text(Sum(f.FrontPutts)).endLine();
    doc.endLine();

    doc.line(Margin, "BACK 9");
    doc.tab(Margin).text("Hole:");
    HoleRow(doc, 10, [](int h) { return std::to_string(h); });
    doc.tab(NineColumn).text(" In").tab(TotalColumn).text("Total").endLine();
    doc.tab(Margin).text("Score:");
    HoleRow(doc, 10, [&](int h) { return Count(round.HoleScore[h]); });
    doc.tab(NineColumn).text(Sum(f.BackScore));
    doc.tab(TotalColumn).text(Sum(f.TotalScore())).endLine();
    doc.tab(Margin).text("Putts:");
    HoleRow(doc, 10, [&](int h) { return Count(round.HolePutts[h]); });
    doc.tab(NineColumn).text(Sum(f.BackPutts));
    doc.tab(TotalColumn).text(Sum(f.TotalPutts())).endLine();
    doc.emptyLines(2);

    doc.line(Margin, "One Putt Greens:               " + Count(f.RoundOnePutts));
    doc.line(Margin, "Two Putt Greens:               " + Count(f.RoundTwoPutts));
    doc.line(Margin, "Three or more Putt Greens:     " + Count(f.RoundThreePutts));
    doc.line(Margin,
             "Greens in Regulation:          " + Count(f.RoundGreens) + OfEighteen(f.RoundGreens));
    std::string greenPutts = GreenPuttsAverageText(f);
    doc.line(Margin, "Avg. Putts (Greens in Reg.): " +
                         (greenPutts.empty() ? std::string() : RightAlign(greenPutts, 4)));
    doc.endLine();
    for (int par = 3; par <= 5; ++par)
        ParAverageLine(doc, f, par);
    doc.line(Margin, "Chip In's:                     " + Count(f.RoundChipIns));
    doc.line(Margin, "Sand Saves:                    " + Count(round.RoundSandSaves));
    doc.endLine();

    const std::pair<const char*, int> classes[] = {
        {"Total Double Eagles:           ", f.RoundDoubleEagles},
        {"Total Eagles:                  ", f.RoundEagles},
        {"Total Birdies:                 ", f.RoundBirdies},
        {"Total Pars:                    ", f.RoundPars},
        {"Total Bogeys:                  ", f.RoundBogeys},
        {"Total Others:                  ", f.RoundOthers},
    };
    for (const auto& [label, count] : classes)
        doc.line(Margin, label + Count(count) + OfEighteen(count));
    doc.endLine();

    std::string fairways = "Fairways in Regulation:        " + Count(round.RoundFairways);
    if (course.FairwaysPerRound != 0)
        fairways +=
            Percent(static_cast<double>(round.RoundFairways) / course.FairwaysPerRound * 100);
    doc.line(Margin, fairways);
    doc.line(Margin, "Penalty Strokes:               " + Count(round.RoundPenalties));

    if (info.PartnersGiven > 0) {
        doc.endLine();
        doc.line(Margin, "Playing Partners:");
        doc.line(Margin,
                 info.PlayingPartner1 + "  " + info.PlayingPartner2 + "  " + info.PlayingPartner3);
    }
    if (info.WeatherGiven > 0) {
        doc.endLine();
        doc.line(Margin, "Weather:  " + info.WeatherConditions);
    }
    if (info.TournamentGiven > 0) {
        doc.endLine();
        doc.line(Margin, "Tournament Name:  " + info.TournamentName);
        doc.line(Margin, "Result:           " + info.TournamentResult);
    }
    doc.end();
    return doc;
}

void ResetScorecardFlags(ScorecardInfo& info) {
    info.PartnersGiven = 0;
    info.WeatherGiven = 0;
    info.TournamentGiven = 0;
}

} // namespace core
