#include "core/round_folding.h"

#include "core/course_file.h"
#include "core/number_text.h"

#include <algorithm>

namespace core {
namespace {

template <typename Array> int Sum(const Array& values, int first, int last) {
    int sum = 0;
    for (int i = first; i <= last; ++i)
        sum += values[i];
    return sum;
}

// Lowest-so-far values start at 0, meaning "none yet".
template <typename T> void KeepLowest(T& lowest, T value) {
    if (lowest == 0)
        lowest = value;
    if (value < lowest)
        lowest = value;
}

// Moves a slot number read from a file back inside the arrays: a damaged file must not
// send the recent rounds past their end.
int NextRecentSlot(double recentCount) {
    int filled = std::clamp(RoundToWhole(recentCount), 0, RecentSlots - 1);
    return filled + 1;
}

void ShiftRecentRounds(CourseState& c) {
    for (auto* recent :
         {&c.RecentRoundScore, &c.RecentFrontScore, &c.RecentBackScore, &c.RecentRoundPutts,
          &c.RecentFrontPutts, &c.RecentBackPutts, &c.RecentFairways, &c.RecentGreens}) {
        for (int i = 1; i < RecentSlots; ++i)
            (*recent)[i] = (*recent)[i + 1];
        (*recent)[RecentSlots] = 0;
    }
}

} // namespace

int TypedRound::FrontScore() const {
    return Sum(HoleScore, 1, 9);
}
int TypedRound::BackScore() const {
    return Sum(HoleScore, 10, HoleCount);
}
int TypedRound::FrontPutts() const {
    return Sum(HolePutts, 1, 9);
}
int TypedRound::BackPutts() const {
    return Sum(HolePutts, 10, HoleCount);
}

bool GreenInRegulation(int par, int score, int putts) {
    return par >= 3 && par <= 6 && score - putts <= par - 2;
}

RoundFigures ComputeRoundFigures(const CourseState& course, const TypedRound& round) {
    RoundFigures f;
    f.FrontScore = round.FrontScore();
    f.BackScore = round.BackScore();
    f.FrontPutts = round.FrontPutts();
    f.BackPutts = round.BackPutts();
    for (int h = 1; h <= HoleCount; ++h) {
        int s = round.HoleScore[h];
        int p = course.HolePar[h];
        int putts = round.HolePutts[h];
        for (int k = 0; k < EscSteps; ++k) {
            f.StandardEscTotals[k] += std::min(s, p + k + 1);
            f.UsgaEscTotals[k] += std::min(s, UsgaFirstCap + k);
        }
        if (putts == 0)
            ++f.RoundChipIns;
        else if (putts == 1)
            ++f.RoundOnePutts;
        else if (putts == 2)
            ++f.RoundTwoPutts;
        else if (putts >= 3)
            ++f.RoundThreePutts;
        if (GreenInRegulation(p, s, putts)) {
            ++f.RoundGreens;
            f.RoundGreenPutts += putts;
        }
        if (s >= p + 2)
            ++f.RoundOthers;
        else if (s == p + 1)
            ++f.RoundBogeys;
        else if (s == p)
            ++f.RoundPars;
        else if (s == p - 1)
            ++f.RoundBirdies;
        else if (s == p - 2)
            ++f.RoundEagles;
        else if (s == p - 3)
            ++f.RoundDoubleEagles;
        if (p >= 3 && p <= 5) {
            ++f.ParHoles[p - 3];
            f.ParStrokes[p - 3] += s;
        }
    }
    return f;
}

SaveOutcome SaveRound(CourseState& c, const TypedRound& round,
                      const NoPuttsQuestion& confirmNoPutts) {
    SaveOutcome outcome;
    for (int h = 1; h <= HoleCount; ++h) {
        if (round.HoleScore[h] == 0) {
            outcome.status = SaveStatus::MissingScore;
            return outcome;
        }
    }
    for (int h = 1; h <= HoleCount; ++h) {
        if (round.HolePutts[h] == 0 && !(confirmNoPutts && confirmNoPutts(h))) {
            outcome.status = SaveStatus::Cancelled;
            outcome.cancelledAtHole = h;
            return outcome;
        }
    }

    const RoundFigures f = ComputeRoundFigures(c, round);
    outcome.figures = f;
    const int t = f.TotalScore();

    c.GamesRecorded += 1;
    c.FrontStrokesTotal += f.FrontScore;
    c.BackStrokesTotal += f.BackScore;
    c.RoundStrokesTotal += t;

    KeepLowest(c.BestFront, f.FrontScore);
    KeepLowest(c.BestBack, f.BackScore);
    // The first round only sets the best score; beating it later is the news.
    if (c.BestRound == 0)
        c.BestRound = t;
    if (t < c.BestRound) {
        c.BestRound = t;
        outcome.NewBestRound = true;
    }

    c.RoundsUnder100 += t < 100;
    c.RoundsUnder90 += t < 90;
    c.RoundsUnder80 += t < 80;
    c.RoundsUnder70 += t < 70;
    c.FrontUnder40 += f.FrontScore < 40;
    c.BackUnder40 += f.BackScore < 40;

    for (int h = 1; h <= HoleCount; ++h) {
        int s = round.HoleScore[h];
        int p = c.HolePar[h];
        c.HoleStrokes[h] += s;
        int result = s - (p - 3); // par-3 .. par+1 are counters 0 .. 4
        if (result >= 0 && result <= 4)
            ++c.HoleResults[h][result];
    }

    c.FrontPuttsTotal += f.FrontPutts;
    c.BackPuttsTotal += f.BackPutts;
    c.RoundPuttsTotal += f.TotalPutts();
    KeepLowest(c.LowFrontPutts, static_cast<float>(f.FrontPutts));
    KeepLowest(c.LowBackPutts, static_cast<float>(f.BackPutts));
    KeepLowest(c.LowRoundPutts, static_cast<float>(f.TotalPutts()));

    c.OnePuttTotal += f.RoundOnePutts;
    c.TwoPuttTotal += f.RoundTwoPutts;
    c.ThreePuttTotal += f.RoundThreePutts;
    c.ChipInTotal += f.RoundChipIns;
    c.FairwaysHitTotal += round.RoundFairways;
    c.PenaltyTotal = RoundToWhole(c.PenaltyTotal + static_cast<double>(round.RoundPenalties));
    c.SandSaveTotal += round.RoundSandSaves;
    c.BunkerShotTotal += round.RoundSandShots;
    c.SandSaveAttempts =
        RoundToWhole(c.SandSaveAttempts + static_cast<double>(round.RoundSandAttempts));

    c.GreensInRegulationTotal += f.RoundGreens;
    c.GreensInRegulationPutts += f.RoundGreenPutts;

    c.OthersTotal += f.RoundOthers;
    c.ParsTotal += f.RoundPars;
    c.BogeysTotal += f.RoundBogeys;
    c.BirdiesTotal += f.RoundBirdies;
    c.EaglesTotal += f.RoundEagles;
    c.DoubleEaglesTotal += f.RoundDoubleEagles;
    for (int h = 1; h <= HoleCount; ++h)
        if (round.HoleScore[h] == 1)
            outcome.holesInOne.push_back(h);

    for (int k = 0; k < 3; ++k) {
        c.ParHolesPlayed[k] += f.ParHoles[k];
        c.ParStrokesTotal[k] += f.ParStrokes[k];
    }

    for (int h = 1; h <= HoleCount; ++h) {
        int lengthClass = LengthClassOf(c.HolePar[h], c.HoleYards[h]);
        if (lengthClass >= 0)
            c.LengthClassStrokes[lengthClass] += round.HoleScore[h];
    }

    int underPar = f.RoundDoubleEagles + f.RoundEagles + f.RoundBirdies;
    int overPar = f.RoundBogeys + f.RoundOthers;
    if (c.HighestRound < t)
        c.HighestRound = t;
    if (underPar > c.MostSubParHoles)
        c.MostSubParHoles = underPar;
    if (f.RoundPars > c.MostPars)
        c.MostPars = f.RoundPars;
    if (overPar > c.MostOverParHoles)
        c.MostOverParHoles = overPar;

    if (round.EntryDate < c.FirstDate.dayNumber)
        c.FirstDate = VariantDate{round.EntryDate, false};
    if (round.EntryDate > c.LastDate)
        c.LastDate = round.EntryDate;

    int n = NextRecentSlot(c.RecentCount);
    c.RecentCount = n;
    c.RecentRoundScore[n] = t;
    c.RecentFrontScore[n] = f.FrontScore;
    c.RecentBackScore[n] = f.BackScore;
    c.RecentRoundPutts[n] = f.TotalPutts();
    c.RecentFrontPutts[n] = f.FrontPutts;
    c.RecentBackPutts[n] = f.BackPutts;
    c.RecentFairways[n] = RoundToWhole(round.RoundFairways);
    c.RecentGreens[n] = f.RoundGreens;
    if (n == RecentSlots) {
        ShiftRecentRounds(c);
        c.RecentCount = RecentSlots - 1;
    }

    outcome.status = SaveStatus::Saved;
    return outcome;
}

std::string ParAverageText(const RoundFigures& f, int par) {
    int k = par - 3;
    if (k < 0 || k > 2 || f.ParHoles[k] == 0)
        return {};
    return FormatNumber(static_cast<double>(f.ParStrokes[k]) / f.ParHoles[k], "0.00");
}

std::string GreenPuttsAverageText(const RoundFigures& f) {
    if (f.RoundGreens == 0)
        return {};
    return FormatNumber(static_cast<double>(f.RoundGreenPutts) / f.RoundGreens, "0.00");
}

RoundPanelTexts PanelTexts(const RoundFigures& f) {
    RoundPanelTexts texts;
    texts.statistics = {SignedText(f.RoundOnePutts),
                        SignedText(f.RoundTwoPutts),
                        SignedText(f.RoundThreePutts),
                        ParAverageText(f, 3),
                        ParAverageText(f, 4),
                        ParAverageText(f, 5),
                        SignedText(f.RoundDoubleEagles),
                        SignedText(f.RoundEagles),
                        SignedText(f.RoundBirdies),
                        SignedText(f.RoundPars),
                        SignedText(f.RoundBogeys),
                        SignedText(f.RoundOthers),
                        SignedText(f.RoundGreens),
                        SignedText(f.RoundChipIns),
                        GreenPuttsAverageText(f)};
    for (int k = 0; k < EscSteps; ++k) {
        texts.standard[k] = SignedText(f.StandardEscTotals[k]);
        texts.usga[k] = SignedText(f.UsgaEscTotals[k]);
    }
    return texts;
}

} // namespace core
