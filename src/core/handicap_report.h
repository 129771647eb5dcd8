#pragma once

#include "core/handicap_state.h"
#include "core/print_document.h"

#include <string>

// What the handicap window shows of the handicap state, and its printed report.
namespace core {

// "+1" for the plus handicap, otherwise the signed text (" 12").
std::string PreSlopeHandicapText(const HandicapState& handicap);
// The index rounded to a tenth: "12.0", "-1.3".
std::string HandicapIndexText(const HandicapState& handicap);

// Without a home slope the window shows "N/A" when it opens and nothing after a save.
enum class CourseHandicapMoment { Opening, AfterSave };
std::string CourseHandicapText(const HandicapState& handicap, CourseHandicapMoment moment);

// A differential as the grid shows it, rounded to a tenth: "13.1", "-2.3".
std::string DifferentialText(float differential);

// One row of the grid; rows of empty slots are not shown and keep what they showed.
struct HandicapGridRow {
    bool shown = false;
    std::string date;
    std::string score; // empty when the row has no score: that cell keeps its text
    std::string preSlope;
    std::string slope;
    bool tournament = false; // the slope cell is white
};
HandicapGridRow GridRow(const HandicapState& handicap, int slot);

// "Highest Differential Used:" after the grid is filled; nothing to show when empty.
std::string HighestDifferentialText(const HandicapState& handicap);

PrintDocument HandicapReport(const HandicapState& handicap);
// The report's lines, for a longer document that goes on after them.
void WriteHandicapReportLines(PrintDocument& doc, const HandicapState& handicap);

} // namespace core
