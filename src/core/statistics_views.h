#pragma once

#include "core/course_state.h"

#include <array>
#include <string>

// The statistics window's table: four views of the course statistics, each filling
// fifteen rows of title, value and percentage.
namespace core {

enum class StatisticsView { General1, General2, Averages, AroundTheGreen };

struct StatisticsRow {
    std::string title;
    std::string value;
    std::string percentage;
    friend bool operator==(const StatisticsRow&, const StatisticsRow&) = default;
};

constexpr int StatisticsRowCount = 15;
using StatisticsTable = std::array<StatisticsRow, StatisticsRowCount>;

// Every cell of one view; cells a view does not use are empty, and so are figures
// whose divisor is 0. Expects GamesRecorded > 0.
StatisticsTable ComputeStatisticsView(const CourseState& course, StatisticsView view);

// "Golf Statistics for <player> from the <tee> tees".
std::string StatisticsCaption(const CourseState& course);

struct StatisticsDateLines {
    std::string from;
    std::string to;
};

// The period under the window's picture: FirstDate to LastDate once FirstDate lies
// before today, otherwise only today (`now` may carry the time of day).
StatisticsDateLines ComputeStatisticsDateLines(const CourseState& course, double today, double now);

} // namespace core
