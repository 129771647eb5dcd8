#include "core/handicap_history.h"

#include "core/day_number.h"
#include "core/handicap_report.h"
#include "core/number_text.h"
#include "core/whs_index.h"

#include <algorithm>

namespace core {
namespace {

// The slope system's differential and index after each round, in the order saved.
std::vector<EngineStep> EngineSteps(const HandicapJournal& journal) {
    std::vector<EngineStep> steps;
    if (!ReplayJournal(journal, "", &steps))
        steps.assign(journal.rounds.size(), EngineStep{});
    return steps;
}

void Add(ChartScript& script, ChartProperty property, ChartSetting value) {
    script.push_back({property, std::move(value)});
}

} // namespace

std::vector<HistoryRow> HandicapHistoryRows(const HandicapJournal& journal) {
    std::vector<EngineStep> steps = EngineSteps(journal);
    WhsHistory whs = ComputeWhsHistory(WhsRoundsOf(journal));
    std::vector<HistoryRow> rows;
    for (size_t i = whs.rounds.size(); i-- > 0;) {
        const WhsRoundResult& w = whs.rounds[i];
        const JournalRound& r = journal.rounds[w.savedPosition];
        HistoryRow row;
        row.savedPosition = w.savedPosition;
        row.date = FormatDate(r.date, "mm/dd/yyyy");
        row.adjustedScore = std::to_string(r.adjustedScore);
        row.courseRating = PlainText(r.courseRating);
        row.slopeRating = PlainText(r.slopeRating);
        if (r.tournament)
            row.tournament.push_back('T');
        row.whsAdjustedScore = std::to_string(r.whsAdjustedScore);
        row.slopeDifferential = DifferentialText(steps[w.savedPosition].slopeDifferential);
        row.handicapIndex = DifferentialText(steps[w.savedPosition].handicapIndex);
        row.whsDifferential = TenthsText(w.differentialTenths);
        row.whsIndex = WhsIndexText(w.indexTenths);
        rows.push_back(std::move(row));
    }
    return rows;
}

ChartScript IndexChartScript(const HandicapJournal& journal) {
    std::vector<EngineStep> steps = EngineSteps(journal);
    WhsHistory whs = ComputeWhsHistory(WhsRoundsOf(journal));
    // The chart holds so many points; the newest are the ones that matter.
    size_t count = std::min<size_t>(whs.rounds.size(), ChartModel::MaxPoints);
    size_t first = whs.rounds.size() - count;
    ChartScript s;
    Add(s, ChartProperty::ChartType, double(static_cast<int>(ChartType::Line)));
    Add(s, ChartProperty::SetCount, 2.0);
    Add(s, ChartProperty::PointCount, double(count));
    Add(s, ChartProperty::AutoAdvance, 0.0);
    for (size_t k = 0; k < count; ++k) {
        const WhsRoundResult& w = whs.rounds[first + k];
        Add(s, ChartProperty::CurrentPoint, double(k + 1));
        Add(s, ChartProperty::CurrentSet, 1.0);
        Add(s, ChartProperty::DataValue, double(steps[w.savedPosition].handicapIndex));
        Add(s, ChartProperty::CurrentSet, 2.0);
        Add(s, ChartProperty::DataValue, w.indexTenths ? *w.indexTenths / 10.0 : 0.0);
        Add(s, ChartProperty::PointLabel, FormatDate(w.date, "mm/dd/yyyy"));
    }
    Add(s, ChartProperty::ChartTitle, std::string("Handicap Index and WHS Index"));
    Add(s, ChartProperty::BottomTitle, std::string("Date of Round"));
    Add(s, ChartProperty::DrawAction, double(static_cast<int>(ChartAction::Draw)));
    return s;
}

} // namespace core
