#pragma once

#include "core/course_state.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// Saving a round: the checks of the card, and the folding of the round into every
// accumulated statistic of the course.
namespace core {

// One round as typed into the score-entry window. An empty optional box reads as 0.
struct TypedRound {
    OneBased<int, HoleCount> HoleScore{}; // 0 = not entered
    OneBased<int, HoleCount> HolePutts{}; // 0 = none entered, or a chip-in
    float RoundFairways = 0;
    float RoundPenalties = 0;
    float RoundSandSaves = 0;
    float RoundSandShots = 0;
    float RoundSandAttempts = 0;
    double EntryDate = 0; // day number of the round

    int FrontScore() const;
    int BackScore() const;
    int FrontPutts() const;
    int BackPutts() const;
    int TotalScore() const;
    int TotalPutts() const;

    friend bool operator==(const TypedRound&, const TypedRound&) = default;
};

constexpr int EscSteps = 4;
// Standard stroke control caps each hole at par + 1 .. par + 4; the USGA table at 6 .. 9.
constexpr int UsgaFirstCap = 6;

// What one round adds up to by itself: the adjusted gross scores, and the counts shown
// in the window's "Statistics This Game" panel and on the printed scorecard.
struct RoundFigures {
    int FrontScore = 0;
    int BackScore = 0;
    int FrontPutts = 0;
    int BackPutts = 0;
    std::array<int, EscSteps> StandardEscTotals{}; // capped at par + 1, + 2, + 3, + 4
    std::array<int, EscSteps> UsgaEscTotals{};     // capped at 6, 7, 8, 9
    int RoundChipIns = 0;
    int RoundOnePutts = 0;
    int RoundTwoPutts = 0;
    int RoundThreePutts = 0; // three or more
    int RoundGreens = 0;     // reached in regulation
    int RoundGreenPutts = 0; // putts taken on them
    int RoundDoubleEagles = 0;
    int RoundEagles = 0;
    int RoundBirdies = 0;
    int RoundPars = 0;
    int RoundBogeys = 0;
    int RoundOthers = 0;           // par + 2 or more
    std::array<int, 3> ParHoles{}; // holes of par 3, 4, 5
    std::array<int, 3> ParStrokes{};

    int TotalScore() const;
    int TotalPutts() const;

    friend bool operator==(const RoundFigures&, const RoundFigures&) = default;
};

// A green is reached in regulation when the strokes before putting are at most par - 2,
// on holes of par 3 to 6; putts are never compared with strokes.
bool GreenInRegulation(int par, int score, int putts);

RoundFigures ComputeRoundFigures(const CourseState& course, const TypedRound& round);

enum class SaveStatus {
    Saved,        // folded into the course
    MissingScore, // a hole has no score: refused, nothing changed
    Cancelled,    // a hole without putts was not confirmed: nothing changed
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::MissingScore;
    int cancelledAtHole = 0;
    RoundFigures figures;
    bool NewBestRound = false;   // beat an earlier best 18-hole score
    std::vector<int> holesInOne; // holes scored 1, in order: one congratulation each
};

// Asked once for every hole entered without putts, in hole order: true when it was a
// chip-in or a hole in one, false to stop and correct the card.
using NoPuttsQuestion = std::function<bool(int hole)>;

// Checks the card and folds the round into the course statistics. On any status other
// than Saved the course is unchanged. Writing the course file is up to the caller.
SaveOutcome SaveRound(CourseState& course, const TypedRound& round,
                      const NoPuttsQuestion& confirmNoPutts);

// The texts of the window's two panels after a save.
struct RoundPanelTexts {
    // 1, 2, 3+ putt greens; average on par 3, 4, 5; double eagles, eagles, birdies,
    // pars, bogeys, others; greens in regulation; chip-ins; putts per green in regulation.
    std::array<std::string, 15> statistics;
    std::array<std::string, EscSteps> standard;
    std::array<std::string, EscSteps> usga;
};

RoundPanelTexts PanelTexts(const RoundFigures& figures);

// The average strokes on the round's holes of par 3, 4 or 5, formatted "0.00"; empty
// when the round has no hole of that par.
std::string ParAverageText(const RoundFigures& figures, int par);
// Putts per green reached in regulation, "0.00"; empty when none was reached.
std::string GreenPuttsAverageText(const RoundFigures& figures);

} // namespace core
