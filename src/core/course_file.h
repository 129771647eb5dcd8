#pragma once

#include "core/atomic_file.h"
#include "core/course_state.h"
#include "core/file_result.h"

#include <string>

namespace core {

// The length class of a hole (0..8), or -1 for a par that has none.
int LengthClassOf(int par, double yards);

// Counts the course's holes per length class, from zero, and the fairways of a round
// (18 minus the par 3s).
void ComputeLengthClasses(CourseState& course);

// The course itself (file name, dates, identity, holes, length classes) with every
// statistic zero: what a new course file, or one edited before any round, holds.
CourseState CourseWithoutStatistics(const CourseState& course);

// Which course file is written: a rewrite after rounds holds every statistic; a new
// course, and a course edited before any round, hold only the course with zeros for
// the statistics. The reserved lines 49 and 50 tell them apart.
enum class CourseFileKind { Rewrite, NewCourse, EditedWithoutRounds };

// The 69 lines of a course file.
std::string CourseFileText(const CourseState& course, CourseFileKind kind);

// Reads a whole course file. On success `course` holds it, with CourseFileName set to
// `path`, and `stamp` (when given) what the file held; on failure `course` is
// untouched and the result says which line failed.
FileResult LoadCourseFile(const std::string& path, CourseState& course, FileStamp* stamp = nullptr);
// Parses the text of a course file the same way.
FileResult ParseCourseFile(const std::string& content, const std::string& fileName,
                           CourseState& course);

// Refuses a course the file cannot hold (a text it could not read back); the writer
// checks this first.
FileResult CheckCourseCanBeWritten(const CourseState& course);

// Rewrites the file named by CourseFileName, atomically; `stamp` (when given) receives
// what was written.
FileResult WriteCourseFile(const CourseState& course, CourseFileKind kind = CourseFileKind::Rewrite,
                           FileStamp* stamp = nullptr);

} // namespace core
