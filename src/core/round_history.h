#pragma once

#include "core/round_journal.h"

#include <vector>

// What the program does to a course's rounds: each one writes the journal and the course
// file together, and leaves `course` as written only when both were.
namespace core {

// Writes the course file after `round` was folded into it (`before` is the course as it
// was), and records the round in the journal. When the journal does not describe the
// course file, only the course file is written and the journal is left as it is.
// A change a crash left half done is finished first, and `after` is then that course with
// the round folded in.
FileResult SaveCourseWithRound(const CourseState& before, CourseState& after,
                               const TypedRound& round);

// Folds the rounds into the course in order, as saving each would, and records them:
// all or nothing. A round with a hole without a score, or more fairways than the course
// has, is refused with its number (1 = the first).
FileResult AddRounds(CourseState& course, const std::vector<TypedRound>& rounds);

// Replaces round `index` (0 = the oldest) and folds every round again from the base.
FileResult CorrectRound(CourseState& course, size_t index, const TypedRound& round);
// Removes round `index` and folds the others again from the base.
FileResult RemoveRound(CourseState& course, size_t index);

// Whether the course file has journaled rounds that can be folded again.
bool HasEditableRounds(const std::string& coursePath);

// The number of journaled rounds to fold again when the course's pars or yardages differ
// from those its file was written with; 0 when there is nothing to offer.
int RoundsToFoldAgain(const CourseState& course);

// Folds every journaled round again with the course's current hole data, and writes both
// files: after a par or a yardage was corrected.
FileResult RebuildWithHoleData(CourseState& course);

// Writes the course file as the given kind (an edit of the course itself); a journal that
// describes the file is kept describing it.
FileResult WriteCourseKeepingJournal(const CourseState& course, CourseFileKind kind);

// A new course written over an old file starts without rounds: the old file's journal is
// kept aside as "<journal>.replaced" rather than lost.
FileResult SetAsideRoundJournal(const std::string& coursePath);

// Finishes a change that reached the journal but not the course file, when folding the
// journaled rounds gives exactly the course file the journal expects; `course` is then
// the course as written.
FileResult FinishInterruptedChange(const std::string& coursePath, CourseState& course);

} // namespace core
