#include "core/trivia.h"

#include "core/atomic_file.h"
#include "core/embedded_data.h"
#include "core/number_text.h"
#include "core/record_encoding.h"

#include <charconv>

namespace core {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

bool ReadWhole(std::string_view text, int& value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

} // namespace

TriviaTable ParseTriviaTable(std::string_view text) {
    TriviaTable table;
    std::vector<std::string_view> lines = Split(text, '\n');
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (i == 0) {
            if (line.substr(0, 7) != "number\t") {
                table.error = "line 1: the header row is missing";
                return table;
            }
            continue;
        }
        if (line.empty())
            continue;
        auto fail = [&](const std::string& why) {
            table.error = "line " + std::to_string(i + 1) + ": " + why;
            return table;
        };
        std::vector<std::string_view> fields = Split(line, '\t');
        if (fields.size() != 7)
            return fail("7 fields expected, " + std::to_string(fields.size()) + " found");
        TriviaQuestion q;
        const int expected = static_cast<int>(table.questions.size()) + 1;
        if (!ReadWhole(fields[0], q.number) || q.number != expected)
            return fail("question " + std::to_string(expected) + " expected");
        if (!ReadWhole(fields[6], q.correct) || q.correct < 1 || q.correct > 4)
            return fail("the right answer must be 1 to 4");
        q.question = std::string(fields[1]);
        for (int k = 0; k < 4; ++k)
            q.answers[k] = std::string(fields[2 + k]);
        if (q.question.empty())
            return fail("the question is empty");
        for (const std::string& a : q.answers)
            if (a.empty())
                return fail("an answer is empty");
        table.questions.push_back(std::move(q));
    }
    return table;
}

const std::vector<TriviaQuestion>& TriviaQuestions() {
    static const std::vector<TriviaQuestion> questions =
        ParseTriviaTable(data::TriviaTsv()).questions;
    return questions;
}

std::string TriviaRecordText(const TriviaRecord& record) {
    RecordWriter w;
    w.date(record.lastDay)
        .number(record.lastQuestion)
        .number(record.points)
        .number(record.enabled)
        .endLine();
    return w.content();
}

FileResult ReadTriviaRecord(std::string_view content, const std::string& fileName,
                            TriviaRecord& record) {
    RecordReader r(content, fileName);
    TriviaRecord read;
    read.lastDay = r.date("day of the last question");
    read.lastQuestion = r.number("last question");
    read.points = r.number("points");
    read.enabled = r.integer("trivia switch");
    if (r.failed())
        return FileResult::failure(r.error());
    record = read;
    return FileResult::success();
}

FileResult LoadTriviaFile(const std::string& path, TriviaRecord& record) {
    std::string content;
    if (FileResult read = ReadWholeFile(path, content); !read)
        return read;
    return ReadTriviaRecord(content, path, record);
}

FileResult SaveTriviaFile(const std::string& path, const TriviaRecord& record) {
    return WriteFileAtomically(path, TriviaRecordText(record));
}

TriviaStartUp StartTrivia(const std::optional<TriviaRecord>& stored, double today,
                          TriviaState& state) {
    TriviaStartUp result;
    double lastDay = today - 1;
    if (stored) {
        lastDay = stored->lastDay.dayNumber;
        state.LastTriviaQuestion = stored->lastQuestion;
        state.TriviaPoints = stored->points;
        state.TriviaEnabled = stored->enabled;
    } else {
        // A first start asks question 1 today.
        result.create = TriviaRecord{{lastDay, false}, 0, 0, 1};
        state.LastTriviaQuestion = 0;
        state.TriviaPoints = 0;
        state.TriviaEnabled = 1;
    }
    result.checked = state.TriviaEnabled == 1;
    result.askToday = state.TriviaEnabled == 1 && lastDay < today;
    return result;
}

TriviaRecord SwitchTrivia(const std::optional<TriviaRecord>& stored, bool nowChecked, double today,
                          TriviaState& state) {
    const int enabled = nowChecked ? 1 : 0;
    if (stored) {
        state.LastTriviaQuestion = stored->lastQuestion;
        state.TriviaPoints = stored->points;
        state.TriviaEnabled = stored->enabled;
        return {stored->lastDay, stored->lastQuestion, stored->points, enabled};
    }
    if (!nowChecked)
        return {{today, true}, 0, 0, 0};
    return {{today, true}, state.LastTriviaQuestion, state.TriviaPoints, 1};
}

std::string TriviaSwitchCaption(bool checked) {
    return checked ? "Trivia Enabled" : "Trivia Disabled";
}

std::string TriviaPercentText(double points, double maximum) {
    return SignedText(ReadNumber(FormatNumber(points / maximum * 100, "##0.0")));
}

TriviaSession::TriviaSession(const std::vector<TriviaQuestion>& table, const TriviaState& state) {
    const double last = state.LastTriviaQuestion;
    const double next = last + 1;
    // A number below the series starts it again; one far beyond it only has to stay beyond.
    if (next < 1)
        questionNumber_ = 1;
    else if (next > TriviaQuestionCount)
        questionNumber_ = next > 1e6 ? 1000000 : RoundToWhole(next);
    else
        questionNumber_ = RoundToWhole(next);

    const double runningMaximum = last == 0 ? 5 : 5 * last;
    maxPointsSoFar_ = 5.0 * questionNumber_;
    prompt_ = "For 5 Points";
    pointsText_ = SignedText(state.TriviaPoints);
    percentText_ = TriviaPercentText(state.TriviaPoints, runningMaximum);

    if (questionNumber_ > TriviaQuestionCount || questionNumber_ > static_cast<int>(table.size())) {
        complete_ = true;
        done_ = true;
        return;
    }
    question_ = &table[questionNumber_ - 1];
}

std::string TriviaSession::questionText() const {
    return question_ ? question_->question : std::string();
}

std::string TriviaSession::answerText(int k) const {
    if (!question_ || k < 1 || k > 4 || blanked_[k - 1])
        return {};
    return question_->answers[k - 1];
}

bool TriviaSession::answerButtonVisible(int k) const {
    return k >= 1 && k <= 4 && !hidden_[k - 1];
}

std::string TriviaSession::questionNumberText() const {
    return SignedText(questionNumber_);
}

TriviaSession::Answer TriviaSession::answer(int k, TriviaState& state) {
    if (done_ || !question_ || k < 1 || k > 4)
        return Answer::Refused;
    Answer result = Answer::Incorrect;
    const bool right = k == question_->correct;
    if (attempt_ == 4) {
        result = Answer::Gimmie;
        done_ = true;
        blanked_[k - 1] = true;
    } else if (right) {
        static constexpr int Points[] = {0, 5, 3, 1};
        prompt_ = "Correct!";
        state.TriviaPoints += Points[attempt_];
        done_ = true;
        result = Answer::Correct;
    } else {
        static constexpr const char* Feedback[] = {"", "Incorrect!  Try again for 3 points.",
                                                   "Incorrect!  Try again for 1 point.",
                                                   "Incorrect!  Better luck next time."};
        prompt_ = Feedback[attempt_];
        ++attempt_;
        blanked_[k - 1] = true;
    }
    hidden_[k - 1] = true;
    if (done_) {
        pointsText_ = SignedText(state.TriviaPoints);
        percentText_ = TriviaPercentText(state.TriviaPoints, maxPointsSoFar_);
    }
    return result;
}

TriviaSession::Finish TriviaSession::finish(TriviaState& state, double today) {
    Finish result;
    state.LastTriviaQuestion += 1;
    attempt_ = 1;
    if (state.LastTriviaQuestion >= TriviaQuestionCount) {
        // The next question is number 1 again; the points stay.
        result.seriesEnded = true;
        state.LastTriviaQuestion = 0;
    }
    if (done_)
        result.record = TriviaRecord{
            {today, false}, state.LastTriviaQuestion, state.TriviaPoints, state.TriviaEnabled};
    return result;
}

TriviaRecord TriviaSession::startOver(TriviaState& state, double today) {
    state.LastTriviaQuestion = 0;
    state.TriviaEnabled = 1;
    state.TriviaPoints = 0;
    attempt_ = 1;
    return {{today, false}, 0, 0, 1};
}

} // namespace core
