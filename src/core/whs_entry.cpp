#include "core/whs_entry.h"

#include "core/day_number.h"
#include "core/handicap_entry.h"
#include "core/handicap_rounds_csv.h"
#include "core/number_text.h"
#include "core/whs_report.h"

#include <algorithm>

namespace core {

WhsHandOver HandedOverWhsRound(const TypedRound& round, const CourseState& course,
                               const HandicapState& handicap) {
    std::optional<int> courseHandicap;
    if (std::optional<WhsCourse> whsCourse = WhsCourseOf(course))
        courseHandicap = WhsCourseHandicapFor(WhsFiguresFor(handicap).history, *whsCourse);
    std::array<int, 18> strokes{}, pars{}, strokeIndexes{};
    int par = 0;
    for (int hole = 1; hole <= HoleCount; ++hole) {
        strokes[hole - 1] = round.HoleScore[hole];
        pars[hole - 1] = course.HolePar[hole];
        strokeIndexes[hole - 1] = course.HoleHandicap[hole];
        par += course.HolePar[hole];
    }
    WhsHandOver handOver;
    handOver.whsAdjustedScore = NetDoubleBogeyScore(strokes, pars, strokeIndexes, courseHandicap);
    if (WhsCourseOf(course))
        handOver.par = par;
    return handOver;
}

JournalRound JournalRoundOf(const HandicapRound& round, const EntryState& entry) {
    JournalRound r;
    r.date = round.date;
    r.adjustedScore = WholePart(round.adjustedScore);
    r.courseRating = round.courseRating;
    r.slopeRating = round.slopeRating;
    r.tournament = round.tournament;
    // No range applies to a gross score; one beyond any golf score is kept at a size
    // the journal can hold.
    if (round.grossScore)
        r.grossScore = WholePart(std::clamp(*round.grossScore, -MaxGrossScore, MaxGrossScore));
    r.whsAdjustedScore = r.adjustedScore;
    bool handedOver = entry.PendingAdjustedScore > 0 && entry.PendingWhsAdjustedScore > 0 &&
                      entry.PendingAdjustedScore == r.adjustedScore;
    if (handedOver) {
        r.whsAdjustedScore = entry.PendingWhsAdjustedScore;
        if (entry.PendingPar > 0)
            r.par = entry.PendingPar;
    }
    return r;
}

RoundEditTexts EditTextsOf(const JournalRound& r) {
    RoundEditTexts texts;
    texts.date = FormatDate(r.date, "mm/dd/yyyy");
    texts.adjustedScore = std::to_string(r.adjustedScore);
    texts.courseRating = PlainText(r.courseRating);
    texts.slopeRating = PlainText(r.slopeRating);
    texts.tournament = r.tournament;
    texts.grossScore = r.grossScore ? std::to_string(*r.grossScore) : "";
    texts.whsAdjustedScore = std::to_string(r.whsAdjustedScore);
    texts.par = r.par ? std::to_string(*r.par) : "";
    return texts;
}

std::variant<JournalRound, std::string> CheckEditedRound(const RoundEditTexts& t) {
    // A date of the wrong length is refused here: there is no "today" for an old round.
    EntryDateReading date = t.date.size() == 10 ? ReadEntryDate(t.date, 0) : EntryDateReading{};
    if (!date.valid)
        return InvalidDateMessage(t.date);
    for (const std::string* text : {&t.adjustedScore, &t.courseRating, &t.slopeRating,
                                    &t.grossScore, &t.whsAdjustedScore, &t.par})
        if (text->find(',') != std::string::npos)
            return "\"" + *text + "\" is not a number. Please verify!";
    std::string row = FormatDate(date.dayNumber, "yyyy-mm-dd") + "," + t.adjustedScore + "," +
                      t.courseRating + "," + t.slopeRating + "," + (t.tournament ? "1" : "0") +
                      "," + t.grossScore + "," + t.whsAdjustedScore + "," + t.par;
    auto parsed = ParseHandicapRoundRow(row);
    if (const RoundRowError* error = std::get_if<RoundRowError>(&parsed))
        return error->message;
    return std::get<JournalRound>(parsed);
}

} // namespace core
