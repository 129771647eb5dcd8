#pragma once

#include "core/course_state.h"
#include "core/handicap_state.h"

#include <string>

namespace core {

// What the score-entry and handicap windows hand each other; it outlives both windows.
struct EntryState {
    double EntryDate = 0;            // date of the round being entered; 0 = none
    double PendingAdjustedScore = 0; // adjusted gross score handed to the handicap window
    // The same round's WHS adjusted gross score (net double bogey) and its course's par;
    // 0 = none.
    int PendingWhsAdjustedScore = 0;
    int PendingPar = 0;
    float EntryAdjustedScore = 0;
    float EntryCourseRating = 0;
    float EntrySlopeRating = 0;
    bool ScoreHandicapLoaded = false;
};

// The optional texts of a printed scorecard; never written to a file.
struct ScorecardInfo {
    std::string PlayingPartner1;
    std::string PlayingPartner2;
    std::string PlayingPartner3;
    std::string WeatherConditions;
    std::string TournamentName;
    std::string TournamentResult;
    int PartnersGiven = 0;
    int WeatherGiven = 0;
    int TournamentGiven = 0;
};

struct TriviaState {
    std::string TriviaFile;
    double LastTriviaQuestion = 0;
    double TriviaPoints = 0;
    int TriviaEnabled = 1;
};

// All state shared between windows. main() creates one and passes it to every window.
struct AppState {
    CourseState course;
    HandicapState handicap;
    EntryState entry;
    ScorecardInfo scorecard;
    TriviaState trivia;
};

} // namespace core
