#include "core/whs_report.h"

#include "core/day_number.h"
#include "core/handicap_report.h"
#include "core/number_text.h"

#include <cstdlib>

namespace core {

std::optional<WhsCourse> WhsCourseOf(const CourseState& course) {
    if (!(course.CourseRating > 0) || !(course.CourseSlope > 0))
        return std::nullopt;
    int par = 0;
    for (int hole = 1; hole <= HoleCount; ++hole) {
        if (course.HolePar[hole] <= 0)
            return std::nullopt;
        par += course.HolePar[hole];
    }
    return WhsCourse{ToTenths(course.CourseRating), ToTenths(course.CourseSlope), par};
}

WhsFigures WhsFiguresFor(const HandicapState& handicap) {
    WhsFigures figures;
    figures.journal = ReadJournalFor(handicap);
    figures.history = ComputeWhsHistory(WhsRoundsOf(figures.journal.journal));
    return figures;
}

std::optional<int> WhsCourseHandicapFor(const WhsHistory& history, const WhsCourse& course) {
    if (!history.indexTenths)
        return std::nullopt;
    return WhsCourseHandicap(*history.indexTenths, course.slopeTenths, course.ratingTenths,
                             course.par);
}

std::string WhsCourseHandicapText(const WhsHistory& history,
                                  const std::optional<WhsCourse>& course) {
    std::optional<int> handicap = course ? WhsCourseHandicapFor(history, *course) : std::nullopt;
    if (!handicap)
        return "N/A";
    return *handicap < 0 ? std::string("+").append(std::to_string(-*handicap))
                         : std::to_string(*handicap);
}

namespace {

std::string CapText(const WhsHistory& h) {
    if (h.hardCap)
        return "hard cap";
    if (h.softCap)
        return "soft cap";
    return "none";
}

std::string ReductionText(const WhsHistory& h) {
    return h.reductionTenths == 0 ? "none" : TenthsText(h.reductionTenths);
}

std::string LowIndexText(const WhsHistory& h) {
    return h.lowIndexTenths ? WhsIndexText(h.lowIndexTenths) : "N/A";
}

} // namespace

std::string WhsStatusText(const WhsHistory& h) {
    return "Low Index: " + LowIndexText(h) + "    Cap: " + CapText(h) +
           "    Exceptional Score Reduction: " + ReductionText(h);
}

PrintDocument HandicapReportWithWhs(const HandicapState& handicap, const WhsFigures& whs,
                                    const std::optional<WhsCourse>& course) {
    constexpr int Left = 10;
    const WhsHistory& h = whs.history;
    PrintDocument doc;
    doc.setName(DocumentName("Handicap Report", handicap.HandicapPlayerName));
    WriteHandicapReportLines(doc, handicap);
    doc.emptyLines(2);
    doc.line(Left, "WORLD HANDICAP SYSTEM");
    doc.emptyLines(1);
    doc.line(Left, "WHS Handicap Index:  " + WhsIndexText(h.indexTenths));
    doc.line(Left, "Low Handicap Index:  " + LowIndexText(h));
    doc.line(Left, "Cap in Force:  " + CapText(h));
    doc.line(Left, "Exceptional Score Reduction:  " + ReductionText(h));
    doc.line(Left, "WHS Course Handicap:  " + WhsCourseHandicapText(h, course));
    if (!whs.journal.reason.empty())
        doc.line(Left, whs.journal.reason);
    if (!h.recent.empty()) {
        doc.emptyLines(2);
        doc.tab(Left).text("Date").tab(24).text("Differential").endLine();
        for (size_t i = 0; i < h.recent.size(); ++i) {
            const WhsRoundResult& round = h.rounds[h.recent[i]];
            doc.tab(Left).text(FormatDate(round.date, "mm/dd/yyyy"));
            doc.tab(26).text(RightAlign(TenthsText(round.differentialTenths), 6));
            if (h.counting[i])
                doc.tab(34).text("*");
            if (round.reductionTenths > 0)
                doc.tab(36).text("E");
            doc.endLine();
        }
        doc.emptyLines(2);
        doc.line(Left, "* = counts in the WHS index");
        doc.line(Left, "E = exceptional score");
    }
    doc.end();
    return doc;
}

} // namespace core
