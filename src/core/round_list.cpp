#include "core/round_list.h"

#include "core/day_number.h"
#include "core/number_text.h"

namespace core {

std::vector<RoundListRow> RoundListNewestFirst(const CourseState& course,
                                               const std::vector<TypedRound>& rounds) {
    std::vector<RoundListRow> rows;
    rows.reserve(rounds.size());
    for (size_t i = rounds.size(); i-- > 0;) {
        const TypedRound& round = rounds[i];
        const RoundFigures figures = ComputeRoundFigures(course, round);
        rows.push_back({i, FormatDate(round.EntryDate, "mm/dd/yyyy"),
                        std::to_string(figures.FrontScore), std::to_string(figures.BackScore),
                        std::to_string(figures.TotalScore()), std::to_string(figures.TotalPutts()),
                        PlainText(round.RoundFairways), std::to_string(figures.RoundGreens),
                        PlainText(round.RoundPenalties)});
    }
    return rows;
}

std::string EarlierRoundsText(int earlierRounds) {
    if (earlierRounds <= 0)
        return {};
    if (earlierRounds == 1)
        return "1 round saved before this history began is in the totals but cannot be listed.";
    return std::to_string(earlierRounds) +
           " rounds saved before this history began are in the totals but cannot be listed.";
}

std::string ReadOnlyText(const RoundHistory& history) {
    if (history.editable())
        return {};
    return history.problem + " The rounds can be looked at, printed and exported, but not "
                             "corrected or removed.";
}

} // namespace core
