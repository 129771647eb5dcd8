#include "core/round_folding.h"

#include "core/course_file.h"
#include "core/number_text.h"

#include <algorithm>
#include <limits>

namespace core {
namespace {

// Whatever a course file or a caller holds (a par of 2147483647, a counter at its
// limit), adding a round stays inside int: sums are taken wide and held at the limits.
int Bounded(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

void Add(int& total, long long amount) {
    total = Bounded(total + amount);
}

template <typename Array> int Sum(const Array& values, int first, int last) {
    long long sum = 0;
    for (int i = first; i <= last; ++i)
        sum += values[i];
    return Bounded(sum);
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
int TypedRound::TotalScore() const {
    return Sum(HoleScore, 1, HoleCount);
}
int TypedRound::TotalPutts() const {
    return Sum(HolePutts, 1, HoleCount);
}

int RoundFigures::TotalScore() const {
    return Bounded(static_cast<long long>(FrontScore) + BackScore);
}
int RoundFigures::TotalPutts() const {
    return Bounded(static_cast<long long>(FrontPutts) + BackPutts);
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
        const long long s = round.HoleScore[h];
        const long long p = course.HolePar[h];
        const int putts = round.HolePutts[h];
        for (int k = 0; k < EscSteps; ++k) {
            Add(f.StandardEscTotals[k], std::min(s, p + k + 1));
            Add(f.UsgaEscTotals[k], std::min<long long>(s, UsgaFirstCap + k));
        }
        if (putts == 0)
            ++f.RoundChipIns;
        else if (putts == 1)
            ++f.RoundOnePutts;
        else if (putts == 2)
            ++f.RoundTwoPutts;
        else if (putts >= 3)
            ++f.RoundThreePutts;
        if (GreenInRegulation(course.HolePar[h], round.HoleScore[h], putts)) {
            ++f.RoundGreens;
            Add(f.RoundGreenPutts, putts);
        }
        const long long overPar = s - p;
        if (overPar >= 2)
            ++f.RoundOthers;
        else if (overPar == 1)
            ++f.RoundBogeys;
        else if (overPar == 0)
            ++f.RoundPars;
        else if (overPar == -1)
            ++f.RoundBirdies;
        else if (overPar == -2)
            ++f.RoundEagles;
        else if (overPar == -3)
            ++f.RoundDoubleEagles;
        if (p >= 3 && p <= 5) {
            ++f.ParHoles[p - 3];
            Add(f.ParStrokes[p - 3], s);
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
    Add(c.FrontStrokesTotal, f.FrontScore);
    Add(c.BackStrokesTotal, f.BackScore);
    Add(c.RoundStrokesTotal, t);

    KeepLowest(c.BestFront, f.FrontScore);
    KeepLowest(c.BestBack, f.BackScore);
    // The first round only sets the best score; beating it later is the news.
    if (c.BestRound == 0)
        c.BestRound = t;
    if (t < c.BestRound) {
        c.BestRound = t;
        outcome.NewBestRound = true;
    }

    Add(c.RoundsUnder100, t < 100);
    Add(c.RoundsUnder90, t < 90);
    Add(c.RoundsUnder80, t < 80);
    Add(c.RoundsUnder70, t < 70);
    Add(c.FrontUnder40, f.FrontScore < 40);
    Add(c.BackUnder40, f.BackScore < 40);

    for (int h = 1; h <= HoleCount; ++h) {
        const long long s = round.HoleScore[h];
        const long long p = c.HolePar[h];
        Add(c.HoleStrokes[h], s);
        const long long result = s - (p - 3); // par-3 .. par+1 are counters 0 .. 4
        if (result >= 0 && result <= 4)
            Add(c.HoleResults[h][result], 1);
    }

    Add(c.FrontPuttsTotal, f.FrontPutts);
    Add(c.BackPuttsTotal, f.BackPutts);
    Add(c.RoundPuttsTotal, f.TotalPutts());
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
        Add(c.ParHolesPlayed[k], f.ParHoles[k]);
        Add(c.ParStrokesTotal[k], f.ParStrokes[k]);
    }

    for (int h = 1; h <= HoleCount; ++h) {
        int lengthClass = LengthClassOf(c.HolePar[h], c.HoleYards[h]);
        if (lengthClass >= 0)
            Add(c.LengthClassStrokes[lengthClass], round.HoleScore[h]);
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
