#include "core/round_history.h"

#include <filesystem>

namespace core {
namespace {

FileResult NotEditable(const RoundHistory& history) {
    if (history.status == HistoryStatus::NoJournal)
        return FileResult::failure(history.coursePath + " has no journaled rounds.");
    return FileResult::failure(history.problem);
}

// Folds `rounds` again from the base and writes both files.
FileResult ReplaceRounds(CourseState& course, const RoundHistory& history,
                         std::vector<TypedRound> rounds) {
    RoundJournal journal = history.journal;
    journal.rounds = std::move(rounds);
    CourseState rebuilt;
    if (FileResult folded = RebuildCourse(course, journal, rebuilt); !folded)
        return folded;
    if (FileResult written = CommitCourseAndJournal(rebuilt, journal, history); !written)
        return written;
    course = std::move(rebuilt);
    return FileResult::success();
}

} // namespace

FileResult SaveCourseWithRound(const CourseState& before, CourseState& after,
                               const TypedRound& round) {
    RoundHistory history = LoadRoundHistory(after.CourseFileName);
    if (history.status == HistoryStatus::Interrupted) {
        CourseState finished;
        if (FinishInterruptedChange(after.CourseFileName, finished)) {
            SaveRound(finished, round, [](int) { return true; });
            after = std::move(finished);
            history = LoadRoundHistory(after.CourseFileName);
        }
    }
    if (history.status != HistoryStatus::Matches && history.status != HistoryStatus::NoJournal)
        return WriteCourseFile(after);
    RoundJournal journal = history.journal;
    if (history.status == HistoryStatus::NoJournal)
        journal = RoundJournal{before, {}, {}, {}};
    journal.rounds.push_back(round);
    return CommitCourseAndJournal(after, std::move(journal), history);
}

FileResult AddRounds(CourseState& course, const std::vector<TypedRound>& rounds) {
    RoundHistory history = LoadRoundHistory(course.CourseFileName);
    if (history.status == HistoryStatus::Interrupted) {
        if (FileResult finished = FinishInterruptedChange(course.CourseFileName, course); !finished)
            return finished;
        history = LoadRoundHistory(course.CourseFileName);
    }
    if (!history.editable())
        return NotEditable(history);
    RoundJournal journal = history.journal;
    if (history.status == HistoryStatus::NoJournal)
        journal = RoundJournal{course, {}, {}, {}};
    CourseState folded = course;
    for (size_t i = 0; i < rounds.size(); ++i) {
        const std::string which = "Round " + std::to_string(i + 1);
        if (rounds[i].RoundFairways > static_cast<float>(course.FairwaysPerRound))
            return FileResult::failure(which + " has more fairways than the " +
                                       std::to_string(course.FairwaysPerRound) +
                                       " this course has.");
        if (SaveRound(folded, rounds[i], [](int) { return true; }).status != SaveStatus::Saved)
            return FileResult::failure(which + " has a hole without a score.");
        journal.rounds.push_back(rounds[i]);
    }
    if (FileResult written = CommitCourseAndJournal(folded, std::move(journal), history); !written)
        return written;
    course = std::move(folded);
    return FileResult::success();
}

FileResult CorrectRound(CourseState& course, size_t index, const TypedRound& round) {
    RoundHistory history = LoadRoundHistory(course.CourseFileName);
    if (history.status != HistoryStatus::Matches)
        return NotEditable(history);
    if (index >= history.journal.rounds.size())
        return FileResult::failure("That round is no longer in the journal.");
    std::vector<TypedRound> rounds = history.journal.rounds;
    rounds[index] = round;
    return ReplaceRounds(course, history, std::move(rounds));
}

FileResult RemoveRound(CourseState& course, size_t index) {
    RoundHistory history = LoadRoundHistory(course.CourseFileName);
    if (history.status != HistoryStatus::Matches)
        return NotEditable(history);
    if (index >= history.journal.rounds.size())
        return FileResult::failure("That round is no longer in the journal.");
    std::vector<TypedRound> rounds = history.journal.rounds;
    rounds.erase(rounds.begin() + static_cast<std::ptrdiff_t>(index));
    return ReplaceRounds(course, history, std::move(rounds));
}

bool HasEditableRounds(const std::string& coursePath) {
    RoundHistory history = LoadRoundHistory(coursePath);
    return history.status == HistoryStatus::Matches && !history.journal.rounds.empty();
}

int RoundsToFoldAgain(const CourseState& course) {
    RoundHistory history = LoadRoundHistory(course.CourseFileName);
    if (history.status != HistoryStatus::Matches || history.journal.rounds.empty())
        return 0;
    CourseState written;
    if (!ParseCourseFile(history.courseText, course.CourseFileName, written))
        return 0;
    if (written.HolePar == course.HolePar && written.HoleYards == course.HoleYards)
        return 0;
    return static_cast<int>(history.journal.rounds.size());
}

FileResult RebuildWithHoleData(CourseState& course) {
    RoundHistory history = LoadRoundHistory(course.CourseFileName);
    if (history.status != HistoryStatus::Matches)
        return NotEditable(history);
    return ReplaceRounds(course, history, history.journal.rounds);
}

FileResult WriteCourseKeepingJournal(const CourseState& course, CourseFileKind kind) {
    RoundHistory history = LoadRoundHistory(course.CourseFileName);
    if (history.status != HistoryStatus::Matches)
        return WriteCourseFile(course, kind);
    return CommitCourseAndJournal(course, history.journal, history, kind);
}

FileResult SetAsideRoundJournal(const std::string& coursePath) {
    const std::string journal = RoundJournalPathFor(coursePath);
    std::error_code error;
    if (!std::filesystem::exists(journal, error))
        return FileResult::success();
    std::filesystem::rename(journal, journal + ".replaced", error);
    if (error)
        return FileResult::failure(journal + " could not be set aside: " + error.message() + ".");
    return FileResult::success();
}

FileResult FinishInterruptedChange(const std::string& coursePath, CourseState& course) {
    RoundHistory history = LoadRoundHistory(coursePath);
    if (history.status != HistoryStatus::Interrupted)
        return NotEditable(history);
    CourseState onDisk;
    if (FileResult parsed = ParseCourseFile(history.courseText, coursePath, onDisk); !parsed)
        return parsed;
    CourseState rebuilt;
    if (FileResult folded = RebuildCourse(onDisk, history.journal, rebuilt); !folded)
        return folded;
    if (CourseDigest(CourseFileText(rebuilt, CourseFileKind::Rewrite)) !=
        history.journal.courseDigest)
        return FileResult::failure("The interrupted change cannot be finished: the rounds do "
                                   "not give the course file it was writing.");
    if (FileResult written = WriteCourseFile(rebuilt); !written)
        return written;
    course = std::move(rebuilt);
    return FileResult::success();
}

} // namespace core
