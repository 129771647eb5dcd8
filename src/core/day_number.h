#pragma once

#include <string>
#include <string_view>

// Dates are day numbers: days since 30 December 1899, held as doubles; 0 means no date.
namespace core {

struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// A day or month beyond its range runs on into the next month or year
// (02/31/1996 is 2 March 1996).
double DayNumberFromDate(int year, int month, int day);
CalendarDate DateFromDayNumber(double dayNumber);

// Formats a day number with "mm", "dd", "yyyy", "mmm" (Mar) and "mmmm" (March);
// every other character is copied: "mm/dd/yyyy", "mmm dd, yyyy", "mmmm dd, yyyy".
std::string FormatDate(double dayNumber, std::string_view pattern);

} // namespace core
