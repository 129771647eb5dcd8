#include "core/day_number.h"
#include "core/embedded_data.h"
#include "core/trivia.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const double Today = core::DayNumberFromDate(1996, 3, 5); // 35129

core::TriviaState StateAt(double lastQuestion, double points, int enabled = 1) {
    core::TriviaState s;
    s.LastTriviaQuestion = lastQuestion;
    s.TriviaPoints = points;
    s.TriviaEnabled = enabled;
    return s;
}

TEST(TriviaTable, TheBuiltInSeriesHoldsTwoHundredQuestionsInOrder) {
    core::TriviaTable table = core::ParseTriviaTable(core::data::TriviaTsv());
    EXPECT_EQ(table.error, "");
    ASSERT_EQ(table.questions.size(), size_t(core::TriviaQuestionCount));
    std::set<std::string> questions;
    for (size_t i = 0; i < table.questions.size(); ++i) {
        const core::TriviaQuestion& q = table.questions[i];
        EXPECT_EQ(q.number, int(i) + 1);
        EXPECT_TRUE(questions.insert(q.question).second) << "asked twice: " << q.question;
        std::set<std::string> answers(q.answers.begin(), q.answers.end());
        EXPECT_EQ(answers.size(), size_t(4)) << "two answers alike in question " << q.number;
    }
    const core::TriviaQuestion& third = table.questions[2];
    EXPECT_EQ(third.question, "In what year was the Senior Tour born.");
    EXPECT_EQ(third.answers, (std::array<std::string, 4>{"1978", "1979", "1980", "1981"}));
    EXPECT_EQ(third.correct, 3);
    EXPECT_EQ(core::TriviaQuestions().size(), size_t(200));
}

TEST(TriviaTable, RefusesARowItCannotUse) {
    const std::string header = "number\tquestion\ta\tb\tc\td\tcorrect\n";
    struct Case {
        const char* rows;
        const char* error;
    };
    const Case cases[] = {
        {"1\tQ?\tw\tx\ty\tz\t5\n", "line 2: the right answer must be 1 to 4"},
        {"1\tQ?\tw\tx\ty\tz\t0\n", "line 2: the right answer must be 1 to 4"},
        {"1\tQ?\tw\tx\ty\tz\t2\n3\tR?\tw\tx\ty\tz\t1\n", "line 3: question 2 expected"},
        {"1\tQ?\tw\tx\ty\t2\n", "line 2: 7 fields expected, 6 found"},
        {"1\tQ?\tw\t\ty\tz\t2\n", "line 2: an answer is empty"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::ParseTriviaTable(header + c.rows).error, c.error) << c.rows;
    EXPECT_EQ(core::ParseTriviaTable("1\tQ?\tw\tx\ty\tz\t2\n").error,
              "line 1: the header row is missing");
    core::TriviaTable crlf =
        core::ParseTriviaTable("number\tq\ta\tb\tc\td\tcorrect\r\n1\tQ?\tw\tx\ty\tz\t2\r\n\r\n");
    EXPECT_EQ(crlf.error, "");
    ASSERT_EQ(crlf.questions.size(), size_t(1));
    EXPECT_EQ(crlf.questions[0].answers[3], "z");
}

TEST(TriviaFile, ReadsBothFormsOfTheDay) {
    struct Case {
        const char* line;
        core::TriviaRecord record;
    };
    const Case cases[] = {
        {"35129,12,41,1\r\n", {{35129, false}, 12, 41, 1}},
        {"#1996-03-05#,0,0,0\r\n", {{35129, true}, 0, 0, 0}},
        {"35128,199,600,1", {{35128, false}, 199, 600, 1}},
    };
    for (const Case& c : cases) {
        core::TriviaRecord read;
        ASSERT_TRUE(core::ReadTriviaRecord(c.line, "trivia.dat", read)) << c.line;
        EXPECT_EQ(read, c.record) << c.line;
        // Written back in the form it was read.
        core::TriviaRecord again;
        ASSERT_TRUE(core::ReadTriviaRecord(core::TriviaRecordText(read), "trivia.dat", again));
        EXPECT_EQ(again, c.record);
    }
    EXPECT_EQ(core::TriviaRecordText({{35128, false}, 0, 0, 1}), "35128,0,0,1\r\n");
    EXPECT_EQ(core::TriviaRecordText({{35129, true}, 0, 0, 0}), "#1996-03-05#,0,0,0\r\n");
}

TEST(TriviaFile, AShortOrGarbledLineIsAnError) {
    // A date literal before the year 100 could not be written back.
    for (const char* line :
         {"", "35129,12,41", "\"today\",1,2,1", "35129,x,0,1", "#6-03-01#,0,0,1"}) {
        core::TriviaRecord read{{1, false}, 7, 8, 0};
        EXPECT_FALSE(core::ReadTriviaRecord(line, "trivia.dat", read)) << line;
        EXPECT_EQ(read, (core::TriviaRecord{{1, false}, 7, 8, 0})) << line;
    }
}

TEST(TriviaStartUp, DecidesFromTheStoredDayAndSwitch) {
    struct Case {
        const char* name;
        std::optional<core::TriviaRecord> stored;
        bool ask;
        bool checked;
        double lastQuestion;
    };
    const Case cases[] = {
        {"asked yesterday", core::TriviaRecord{{Today - 1, false}, 4, 17, 1}, true, true, 4},
        {"asked last week, as a date", core::TriviaRecord{{Today - 7, true}, 4, 17, 1}, true, true,
         4},
        {"already asked today", core::TriviaRecord{{Today, false}, 5, 22, 1}, false, true, 5},
        {"switched off", core::TriviaRecord{{Today - 3, false}, 4, 17, 0}, false, false, 4},
        {"clock set back", core::TriviaRecord{{Today + 2, false}, 4, 17, 1}, false, true, 4},
    };
    for (const Case& c : cases) {
        core::TriviaState state = StateAt(99, 99, 1);
        core::TriviaStartUp start = core::StartTrivia(c.stored, Today, state);
        EXPECT_EQ(start.askToday, c.ask) << c.name;
        EXPECT_EQ(start.checked, c.checked) << c.name;
        EXPECT_FALSE(start.create) << c.name;
        EXPECT_EQ(state.LastTriviaQuestion, c.lastQuestion) << c.name;
        EXPECT_EQ(state.TriviaPoints, c.stored->points) << c.name;
        EXPECT_EQ(state.TriviaEnabled, c.stored->enabled) << c.name;
    }
}

TEST(TriviaStartUp, AFirstStartCreatesTheFileDatedYesterday) {
    core::TriviaState state = StateAt(0, 0, 0);
    core::TriviaStartUp start = core::StartTrivia(std::nullopt, Today, state);
    ASSERT_TRUE(start.create);
    EXPECT_EQ(core::TriviaRecordText(*start.create), "35128,0,0,1\r\n");
    EXPECT_TRUE(start.askToday);
    EXPECT_TRUE(start.checked);
    EXPECT_EQ(state.TriviaEnabled, 1);
}

TEST(TriviaSwitch, RewritesTheFileWithOnlyTheSwitchChanged) {
    // Stored: the day keeps its form, and memory takes the stored values.
    core::TriviaState state = StateAt(0, 0, 1);
    core::TriviaRecord off =
        core::SwitchTrivia(core::TriviaRecord{{35100, true}, 12, 40, 1}, false, Today, state);
    EXPECT_EQ(core::TriviaRecordText(off), "#1996-02-05#,12,40,0\r\n");
    EXPECT_EQ(state.TriviaEnabled, 1);
    EXPECT_EQ(state.LastTriviaQuestion, 12);
    EXPECT_EQ(state.TriviaPoints, 40);

    core::TriviaRecord on =
        core::SwitchTrivia(core::TriviaRecord{{35100, false}, 12, 40, 0}, true, Today, state);
    EXPECT_EQ(core::TriviaRecordText(on), "35100,12,40,1\r\n");
    EXPECT_EQ(state.TriviaEnabled, 0);

    // No file: today as a date; switching off forgets the progress.
    state = StateAt(7, 25, 1);
    EXPECT_EQ(core::TriviaRecordText(core::SwitchTrivia(std::nullopt, false, Today, state)),
              "#1996-03-05#,0,0,0\r\n");
    EXPECT_EQ(core::TriviaRecordText(core::SwitchTrivia(std::nullopt, true, Today, state)),
              "#1996-03-05#,7,25,1\r\n");
    EXPECT_EQ(state.TriviaEnabled, 1);

    EXPECT_EQ(core::TriviaSwitchCaption(true), "Trivia Enabled");
    EXPECT_EQ(core::TriviaSwitchCaption(false), "Trivia Disabled");
}

TEST(TriviaPercent, IsOneDecimalShownAsSignedText) {
    struct Case {
        double points, maximum;
        const char* text;
    };
    const Case cases[] = {
        {45, 100, " 45"}, {91, 200, " 45.5"}, {0, 5, " 0"},
        {2, 3, " 66.7"},  {49, 400, " 12.3"}, // 12.25 rounds up
        {1, 1000, " .1"}, {-3, 10, "-30"},    {1000, 5, " 20000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::TriviaPercentText(c.points, c.maximum), c.text)
            << c.points << " of " << c.maximum;
}

std::vector<core::TriviaQuestion> SmallTable() {
    std::vector<core::TriviaQuestion> table;
    for (int n = 1; n <= core::TriviaQuestionCount; ++n)
        table.push_back({n, "Question " + std::to_string(n), {"a", "b", "c", "d"}, 2});
    return table;
}

TEST(TriviaSession, OpensAtTheNextQuestion) {
    const auto table = SmallTable();
    core::TriviaState state = StateAt(9, 30);
    core::TriviaSession s(table, state);
    EXPECT_FALSE(s.seriesComplete());
    EXPECT_EQ(s.questionNumber(), 10);
    EXPECT_EQ(s.questionNumberText(), " 10");
    EXPECT_EQ(s.questionText(), "Question 10");
    EXPECT_EQ(s.prompt(), "For 5 Points");
    EXPECT_EQ(s.pointsText(), " 30");
    EXPECT_EQ(s.percentText(), " 66.7"); // 30 of 45
    EXPECT_EQ(s.statusText(), "");
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(s.answerButtonVisible(k));

    core::TriviaSession first(table, StateAt(0, 0));
    EXPECT_EQ(first.questionNumber(), 1);
    EXPECT_EQ(first.percentText(), " 0");
}

TEST(TriviaSession, PointsDependOnTheAttempt) {
    using Answer = core::TriviaSession::Answer;
    struct Case {
        std::vector<int> wrong; // answers tried before the right one (B)
        double points;
        std::vector<std::string> prompts;
    };
    const Case cases[] = {
        {{}, 5, {"Correct!"}},
        {{1}, 3, {"Incorrect!  Try again for 3 points.", "Correct!"}},
        {{4, 1},
         1,
         {"Incorrect!  Try again for 3 points.", "Incorrect!  Try again for 1 point.", "Correct!"}},
    };
    const auto table = SmallTable();
    for (const Case& c : cases) {
        core::TriviaState state = StateAt(9, 30);
        core::TriviaSession s(table, state);
        std::vector<std::string> prompts;
        for (int k : c.wrong) {
            EXPECT_EQ(s.answer(k, state), Answer::Incorrect);
            EXPECT_FALSE(s.answerButtonVisible(k));
            EXPECT_EQ(s.answerText(k), "");
            EXPECT_FALSE(s.done());
            EXPECT_EQ(s.pointsText(), " 30"); // unchanged until the question is done
            prompts.push_back(s.prompt());
        }
        EXPECT_EQ(s.answer(2, state), Answer::Correct);
        prompts.push_back(s.prompt());
        EXPECT_EQ(prompts, c.prompts);
        EXPECT_TRUE(s.done());
        EXPECT_EQ(state.TriviaPoints, 30 + c.points);
        EXPECT_FALSE(s.answerButtonVisible(2));
        EXPECT_EQ(s.answerText(2), "b"); // a right answer keeps its text
        EXPECT_EQ(s.pointsText(), std::string(" ").append(std::to_string(int(30 + c.points))));
        // The maximum is now that of ten questions.
        EXPECT_EQ(s.percentText(), core::TriviaPercentText(30 + c.points, 50));
        // One question a day.
        EXPECT_EQ(s.answer(1, state), Answer::Refused);
        EXPECT_EQ(state.TriviaPoints, 30 + c.points);
    }
}

TEST(TriviaSession, ThreeWrongAnswersLeaveAGimmie) {
    using Answer = core::TriviaSession::Answer;
    const auto table = SmallTable();
    core::TriviaState state = StateAt(0, 0);
    core::TriviaSession s(table, state);
    for (int k : {1, 3, 4})
        EXPECT_EQ(s.answer(k, state), Answer::Incorrect);
    EXPECT_EQ(s.prompt(), "Incorrect!  Better luck next time.");
    EXPECT_EQ(s.attempt(), 4);
    EXPECT_EQ(s.answer(2, state), Answer::Gimmie);
    EXPECT_TRUE(s.done());
    EXPECT_EQ(state.TriviaPoints, 0);
    EXPECT_EQ(s.answerText(2), "");
    EXPECT_FALSE(s.answerButtonVisible(2));
    EXPECT_EQ(s.pointsText(), " 0");
    EXPECT_EQ(s.percentText(), " 0");
    // The day counts as done.
    core::TriviaSession::Finish f = s.finish(state, Today);
    ASSERT_TRUE(f.record);
    EXPECT_EQ(core::TriviaRecordText(*f.record), "35129,1,0,1\r\n");
    EXPECT_EQ(s.answer(1, state), Answer::Refused);
}

TEST(TriviaSession, OkWritesOnlyAFinishedQuestion) {
    const auto table = SmallTable();
    core::TriviaState state = StateAt(9, 30);
    core::TriviaSession unfinished(table, state);
    unfinished.answer(1, state);
    core::TriviaSession::Finish f = unfinished.finish(state, Today);
    EXPECT_FALSE(f.record);
    EXPECT_FALSE(f.seriesEnded);

    state = StateAt(9, 30);
    core::TriviaSession finished(table, state);
    finished.answer(2, state);
    f = finished.finish(state, Today);
    ASSERT_TRUE(f.record);
    EXPECT_EQ(*f.record, (core::TriviaRecord{{Today, false}, 10, 35, 1}));
}

TEST(TriviaSession, TheSeriesEndsAtTwoHundred) {
    const auto table = SmallTable();
    // Question 200 answered: back to question 1 with the points kept.
    core::TriviaState state = StateAt(199, 700);
    core::TriviaSession last(table, state);
    EXPECT_EQ(last.questionNumber(), 200);
    last.answer(2, state);
    core::TriviaSession::Finish f = last.finish(state, Today);
    EXPECT_TRUE(f.seriesEnded);
    ASSERT_TRUE(f.record);
    EXPECT_EQ(*f.record, (core::TriviaRecord{{Today, false}, 0, 705, 1}));
    EXPECT_EQ(state.LastTriviaQuestion, 0);

    // A file already past the end: nothing to answer, final standings.
    for (double stored : {200.0, 250.0}) {
        state = StateAt(stored, 900);
        core::TriviaSession done(table, state);
        EXPECT_TRUE(done.seriesComplete());
        EXPECT_TRUE(done.done());
        EXPECT_EQ(done.statusText(), "FINAL STANDINGS");
        EXPECT_EQ(done.questionText(), "");
        EXPECT_EQ(done.percentText(), core::TriviaPercentText(900, 5 * stored));
        EXPECT_EQ(done.answer(1, state), core::TriviaSession::Answer::Refused);
        f = done.finish(state, Today);
        EXPECT_TRUE(f.seriesEnded);
        ASSERT_TRUE(f.record);
        EXPECT_EQ(*f.record, (core::TriviaRecord{{Today, false}, 0, 900, 1}));
    }
}

TEST(TriviaSession, StartOverClearsTheSeries) {
    const auto table = SmallTable();
    core::TriviaState state = StateAt(120, 400, 0);
    core::TriviaSession s(table, state);
    core::TriviaRecord r = s.startOver(state, Today);
    EXPECT_EQ(core::TriviaRecordText(r), "35129,0,0,1\r\n");
    EXPECT_EQ(state.LastTriviaQuestion, 0);
    EXPECT_EQ(state.TriviaPoints, 0);
    EXPECT_EQ(state.TriviaEnabled, 1);
}

TEST(TriviaSession, ANumberBelowTheSeriesStartsAtQuestionOne) {
    const auto table = SmallTable();
    core::TriviaSession s(table, StateAt(-4, 0));
    EXPECT_EQ(s.questionNumber(), 1);
    EXPECT_EQ(s.questionText(), "Question 1");
}

} // namespace
