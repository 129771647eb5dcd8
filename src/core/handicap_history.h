#pragma once

#include "core/chart_model.h"
#include "core/handicap_journal.h"

#include <string>
#include <vector>

// The journaled rounds as the history lists them, and the chart of both indexes.
namespace core {

struct HistoryRow {
    size_t savedPosition = 0; // the round's place in the journal
    std::string date;
    std::string adjustedScore;
    std::string courseRating;
    std::string slopeRating;
    std::string tournament; // "T" or nothing
    std::string whsAdjustedScore;
    std::string slopeDifferential;
    std::string handicapIndex; // the slope system's, after the round
    std::string whsDifferential;
    std::string whsIndex; // after the round
};

// Every journaled round, newest first.
std::vector<HistoryRow> HandicapHistoryRows(const HandicapJournal& journal);

// One point per journaled round, oldest first: the slope-system index (set 1) and the
// WHS index (set 2; 0 before there is one). Plus indexes are drawn below zero.
ChartScript IndexChartScript(const HandicapJournal& journal);

} // namespace core
