#pragma once

#include "core/course_file.h"
#include "core/round_folding.h"

#include <string>
#include <string_view>
#include <vector>

// The round journal kept beside a course file ("links.crs.rounds" for "links.crs"): every
// round saved since the journal began, in the order saved, and the statistics as they
// stood before the first of them. The course file keeps its own format; the journal is
// what lets a round be corrected or removed and the statistics folded again exactly.
namespace core {

struct RoundJournal {
    // The course before its first journaled round; its statistics are kept when the
    // rounds are folded again, so rounds from before the journal stay in the totals.
    CourseState base;
    std::vector<TypedRound> rounds; // oldest first
    // Digests of the course file this journal describes, and of the course file before
    // the last change. The journal is written before the course file: a course file that
    // still has the earlier digest is a change that did not finish.
    std::string courseDigest;
    std::string previousDigest;

    friend bool operator==(const RoundJournal&, const RoundJournal&) = default;
};

std::string RoundJournalPathFor(const std::string& coursePath);

// A short fingerprint of a course file's bytes.
std::string CourseDigest(std::string_view courseText);

std::string RoundJournalText(const RoundJournal& journal);
FileResult ParseRoundJournal(std::string_view text, const std::string& fileName,
                             RoundJournal& journal);

// The base statistics with the hole data and names of `course`, and every round folded
// in again in order. Fails when a journaled round cannot be saved (a hole without score).
FileResult RebuildCourse(const CourseState& course, const RoundJournal& journal,
                         CourseState& rebuilt);

enum class HistoryStatus {
    NoJournal,   // no round saved since the journal began; the file works as before
    Matches,     // the journal describes the course file: rounds can be changed
    Interrupted, // a change reached the journal but not the course file
    Disagrees,   // the course file was changed elsewhere, or restored, or replaced
    Unreadable,  // the journal cannot be read
};

// A course file and its journal as they are on disk.
struct RoundHistory {
    HistoryStatus status = HistoryStatus::NoJournal;
    RoundJournal journal;
    std::string coursePath;
    std::string courseText;  // the course file as read; empty when it could not be
    std::string journalText; // the journal as read; empty when there is none
    std::string problem;     // why the rounds cannot be changed

    bool editable() const {
        return status == HistoryStatus::Matches || status == HistoryStatus::NoJournal;
    }
    // Rounds in the totals that the journal does not hold.
    int earlierRounds() const;
};

RoundHistory LoadRoundHistory(const std::string& coursePath);

// Writes `journal` and then `course` as a file of the given kind, so that a crash in
// between is seen next time as an unfinished change. When the course file cannot be
// written the journal is put back as it was.
FileResult CommitCourseAndJournal(const CourseState& course, RoundJournal journal,
                                  const RoundHistory& onDisk,
                                  CourseFileKind kind = CourseFileKind::Rewrite);

} // namespace core
