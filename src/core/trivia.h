#pragma once

#include "core/course_state.h"
#include "core/file_result.h"
#include "core/state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The golf trivia question of the day: the series of questions, the progress file
// trivia.dat, and one day's question with its attempts and points.
namespace core {

inline constexpr int TriviaQuestionCount = 200;
inline constexpr std::string_view TriviaFileName = "trivia.dat";

struct TriviaQuestion {
    int number = 0;
    std::string question;
    std::array<std::string, 4> answers; // A..D
    int correct = 0;                    // 1..4 for A..D
};

struct TriviaTable {
    std::vector<TriviaQuestion> questions; // in number order, questions[0] is number 1
    std::string error;                     // the first row that could not be read
};

// Reads the tab-separated table: a header row, then number, question, four answers
// and the number of the right answer.
TriviaTable ParseTriviaTable(std::string_view text);

// The built-in series, read once.
const std::vector<TriviaQuestion>& TriviaQuestions();

// The line of trivia.dat.
struct TriviaRecord {
    VariantDate lastDay; // day of the last finished question, as a number or a date
    double lastQuestion = 0;
    double points = 0;
    int enabled = 1;
    friend bool operator==(const TriviaRecord&, const TriviaRecord&) = default;
};

std::string TriviaRecordText(const TriviaRecord& record);
FileResult ReadTriviaRecord(std::string_view content, const std::string& fileName,
                            TriviaRecord& record);
FileResult LoadTriviaFile(const std::string& path, TriviaRecord& record);
FileResult SaveTriviaFile(const std::string& path, const TriviaRecord& record);

// Start-up: takes the stored record (none when the file is missing or unreadable) into
// the shared state and decides whether today's question is due.
struct TriviaStartUp {
    std::optional<TriviaRecord> create; // the file to write when there was none
    bool askToday = false;
    bool checked = true; // the menu switch
};
TriviaStartUp StartTrivia(const std::optional<TriviaRecord>& stored, double today,
                          TriviaState& state);

// The menu switch, now checked or not: the record to write at once. A stored record
// keeps its day, question and points and takes them into the shared state; the
// switch itself only takes effect at the next start-up.
TriviaRecord SwitchTrivia(const std::optional<TriviaRecord>& stored, bool nowChecked, double today,
                          TriviaState& state);

std::string TriviaSwitchCaption(bool checked);

// Points as a percentage of a maximum, rounded to one decimal and shown as signed
// text: " 45", " 45.5".
std::string TriviaPercentText(double points, double maximum);

// One day's question, from the opening of the window to OK or Start Over.
class TriviaSession {
public:
    TriviaSession(const std::vector<TriviaQuestion>& table, const TriviaState& state);

    // Every question of the series has been asked: no answers are taken.
    bool seriesComplete() const { return complete_; }
    int questionNumber() const { return questionNumber_; }
    int attempt() const { return attempt_; }
    bool done() const { return done_; }

    std::string questionText() const;
    std::string answerText(int k) const; // k = 1..4; empty once answered wrongly
    bool answerButtonVisible(int k) const;
    const std::string& prompt() const { return prompt_; }
    std::string questionNumberText() const;
    const std::string& pointsText() const { return pointsText_; }
    const std::string& percentText() const { return percentText_; }
    std::string statusText() const { return complete_ ? "FINAL STANDINGS" : ""; }

    enum class Answer {
        Refused,   // the day's question is already done
        Correct,   // points added
        Incorrect, // try again
        Gimmie,    // the last answer left after three wrong ones, worth nothing
    };
    Answer answer(int k, TriviaState& state);

    // OK: the record to write (none when the question was not finished) and whether
    // the series has come to its end, starting again at question 1.
    struct Finish {
        bool seriesEnded = false;
        std::optional<TriviaRecord> record;
    };
    Finish finish(TriviaState& state, double today);

    // Start Over: a new series from tomorrow, with no points.
    TriviaRecord startOver(TriviaState& state, double today);

private:
    const TriviaQuestion* question_ = nullptr;
    bool complete_ = false;
    int questionNumber_ = 1;
    int attempt_ = 1;
    bool done_ = false;
    double maxPointsSoFar_ = 5;
    std::array<bool, 4> hidden_{};
    std::array<bool, 4> blanked_{};
    std::string prompt_;
    std::string pointsText_;
    std::string percentText_;
};

} // namespace core
