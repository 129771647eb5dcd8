#include "core/day_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DayNumber, KnownDates) {
    struct Case {
        int year, month, day;
        double number;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},   {1899, 12, 31, 1},   {1900, 3, 1, 61},     {1996, 1, 1, 35065},
        {1996, 3, 5, 35129}, {1996, 4, 8, 35163}, {1996, 2, 29, 35124}, {2026, 12, 11, 46367},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(core::DayNumberFromDate(c.year, c.month, c.day), c.number);
        EXPECT_EQ(core::DateFromDayNumber(c.number), (core::CalendarDate{c.year, c.month, c.day}));
    }
}

TEST(DayNumber, DaysBeyondTheMonthRollOver) {
    EXPECT_EQ(core::DateFromDayNumber(core::DayNumberFromDate(1996, 2, 31)),
              (core::CalendarDate{1996, 3, 2}));
    EXPECT_EQ(core::DateFromDayNumber(core::DayNumberFromDate(1997, 2, 31)),
              (core::CalendarDate{1997, 3, 3}));
    EXPECT_EQ(core::DateFromDayNumber(core::DayNumberFromDate(1996, 3, 0)),
              (core::CalendarDate{1996, 2, 29}));
    EXPECT_EQ(core::DateFromDayNumber(core::DayNumberFromDate(1996, 13, 1)),
              (core::CalendarDate{1997, 1, 1}));
}

TEST(DayNumber, TimeOfDayIsIgnoredForTheCalendarDate) {
    EXPECT_EQ(core::DateFromDayNumber(35129.75), (core::CalendarDate{1996, 3, 5}));
}

TEST(FormatDate, Patterns) {
    EXPECT_EQ(core::FormatDate(35129, "mm/dd/yyyy"), "03/05/1996");
    EXPECT_EQ(core::FormatDate(35129, "mmm dd, yyyy"), "Mar 05, 1996");
    EXPECT_EQ(core::FormatDate(35129, "mmmm dd, yyyy"), "March 05, 1996");
    EXPECT_EQ(core::FormatDate(35124, "mm/dd/yyyy"), "02/29/1996");
    EXPECT_EQ(core::FormatDate(46367, "mmmm dd, yyyy"), "December 11, 2026");
}

} // namespace

namespace {

TEST(DayNumber, DamagedNumbersStayWithinTheCalendar) {
    EXPECT_EQ(core::DateFromDayNumber(1e300), (core::CalendarDate{9999, 12, 31}));
    EXPECT_EQ(core::DateFromDayNumber(-1e300), (core::CalendarDate{100, 1, 1}));
    EXPECT_EQ(core::DateFromDayNumber(std::nan("")), (core::CalendarDate{100, 1, 1}));
}

} // namespace
