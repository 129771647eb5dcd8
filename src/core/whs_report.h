#pragma once

#include "core/course_state.h"
#include "core/handicap_journal.h"
#include "core/handicap_state.h"
#include "core/print_document.h"
#include "core/whs_index.h"

#include <optional>
#include <string>

// What the handicap window and report show of the WHS index.
namespace core {

// A course the WHS course handicap can be worked out for.
struct WhsCourse {
    int ratingTenths = 0;
    int slopeTenths = 0;
    int par = 0;
};
// The open course, when its rating, slope and par are all known.
std::optional<WhsCourse> WhsCourseOf(const CourseState& course);

// The WHS figures of a handicap file: its journal replayed.
struct WhsFigures {
    JournalReading journal;
    WhsHistory history;
};
WhsFigures WhsFiguresFor(const HandicapState& handicap);

// The course handicap for the course, "N/A" without a course or an index; a plus
// handicap is written "+2".
std::string WhsCourseHandicapText(const WhsHistory& history,
                                  const std::optional<WhsCourse>& course);
// The course handicap the round's net double bogey is worked out from; none without an
// index or a course.
std::optional<int> WhsCourseHandicapFor(const WhsHistory& history, const WhsCourse& course);

// One line of what is in force: the low index, the cap and the exceptional score
// reduction.
std::string WhsStatusText(const WhsHistory& history);

// The handicap report followed by its WHS section.
PrintDocument HandicapReportWithWhs(const HandicapState& handicap, const WhsFigures& whs,
                                    const std::optional<WhsCourse>& course);

} // namespace core
