#include "core/handicap_report.h"

#include "core/course_handicap.h"
#include "core/day_number.h"
#include "core/number_text.h"

namespace core {
namespace {

// The window rounds what it shows from the value's own text, as the old program did.
std::string TenthsOfSignedText(float value) {
    return FormatNumber(ReadNumber(SignedText(value)), "#0.0");
}

} // namespace

std::string PreSlopeHandicapText(const HandicapState& h) {
    return h.PreSlopeHandicap == PlusOneCode ? "+1" : SignedText(h.PreSlopeHandicap);
}

std::string HandicapIndexText(const HandicapState& h) {
    return TenthsOfSignedText(h.HandicapIndex);
}

std::string CourseHandicapText(const HandicapState& h, CourseHandicapMoment moment) {
    if (h.HomeSlope > 0)
        return SignedText(CourseHandicap(h.HandicapIndex, static_cast<float>(h.HomeSlope)));
    return moment == CourseHandicapMoment::Opening ? "N/A" : "";
}

std::string DifferentialText(float differential) {
    return TenthsOfSignedText(differential);
}

HandicapGridRow GridRow(const HandicapState& h, int slot) {
    HandicapGridRow row;
    if (slot < 1 || slot > 20 || !(h.LastScoreDate[slot] > 0))
        return row;
    row.shown = true;
    row.date = FormatDate(h.LastScoreDate[slot], "mm/dd/yyyy");
    if (h.LastAdjustedScore[slot] > 0)
        row.score = SignedText(h.LastAdjustedScore[slot]);
    row.preSlope = DifferentialText(h.PreSlopeDifferential[slot]);
    row.slope = DifferentialText(h.SlopeDifferential[slot]);
    row.tournament = h.TournamentDifferential[slot] > 0;
    return row;
}

std::string HighestDifferentialText(const HandicapState& h) {
    return h.CountingMark[1] > 0 ? FormatNumber(h.CountingMark[1], "#0.0") : "";
}

PrintDocument HandicapReport(const HandicapState& h) {
    PrintDocument doc;
    WriteHandicapReportLines(doc, h);
    doc.end();
    return doc;
}

void WriteHandicapReportLines(PrintDocument& doc, const HandicapState& h) {
    constexpr int Left = 10;
    doc.emptyLines(5);
    doc.fontSize(12).bold(true);
    doc.line(Left, "HANDICAP STATISTICS for " + h.HandicapPlayerName);
    doc.emptyLines(2);
    doc.line(Left, "Handicap Index:  " + HandicapIndexText(h));
    if (h.HomeSlope > 0)
        doc.line(Left,
                 "Home Course Handicap:  " +
                     FormatNumber(CourseHandicap(h.HandicapIndex, static_cast<float>(h.HomeSlope)),
                                  "##0"));
    else
        doc.line(Left, "Home Course Handicap:  N/A");
    doc.emptyLines(1);
    doc.line(Left, "Pre-Slope Handicap:  " + (h.PreSlopeHandicap == PlusOneCode
                                                  ? std::string("+1")
                                                  : std::to_string(h.PreSlopeHandicap)));
    doc.bold(false);
    doc.emptyLines(2);
    doc.tab(22).text("Adj Gross").tab(36).text("Differentials").endLine();
    doc.tab(Left).text("Date").tab(24).text("Score").tab(34).text("PreSlp").tab(44).text("Slope");
    doc.endLine();
    for (int i = 1; i <= 20; ++i) {
        if (!(h.LastScoreDate[i] > 0))
            continue;
        doc.tab(Left).text(FormatDate(h.LastScoreDate[i], "mm/dd/yyyy"));
        doc.tab(24).text(RightAlign(FormatNumber(h.LastAdjustedScore[i], "##0"), 4));
        doc.tab(35).text(RightAlign(FormatNumber(h.PreSlopeDifferential[i], "#0.0"), 4));
        doc.tab(44).text(RightAlign(FormatNumber(h.SlopeDifferential[i], "#0.0"), 4));
        if (h.TournamentDifferential[i] > 0)
            doc.tab(50).text("T");
        doc.endLine();
    }
    doc.emptyLines(2);
    doc.line(Left, "T = Tournament Score");
}

} // namespace core
