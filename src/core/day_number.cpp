#include "core/day_number.h"

#include <array>
#include <chrono>
#include <cmath>

namespace core {
namespace {

using namespace std::chrono;

constexpr sys_days Epoch = sys_days{year{1899} / December / 30};

constexpr std::array<const char*, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

} // namespace

double DayNumberFromDate(int yearNumber, int monthNumber, int dayNumber) {
    year_month firstMonth = year{yearNumber} / January;
    firstMonth += months{monthNumber - 1};
    sys_days first = sys_days{firstMonth / 1};
    return static_cast<double>((first + days{dayNumber - 1} - Epoch).count());
}

CalendarDate DateFromDayNumber(double dayNumber) {
    // A damaged file may hold any number: keep it to the years 100..9999.
    constexpr double First = -657434; // 1 January 100
    constexpr double Last = 2958465;  // 31 December 9999
    if (!(dayNumber >= First))
        dayNumber = First;
    if (dayNumber > Last)
        dayNumber = Last;
    year_month_day date{Epoch + days{static_cast<long>(std::floor(dayNumber))}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

std::string FormatDate(double dayNumber, std::string_view pattern) {
    CalendarDate date = DateFromDayNumber(dayNumber);
    std::string text;
    for (size_t i = 0; i < pattern.size();) {
        auto run = [&](char c) {
            size_t n = 0;
            while (i + n < pattern.size() && pattern[i + n] == c)
                ++n;
            return n;
        };
        char c = pattern[i];
        size_t n = (c == 'm' || c == 'd' || c == 'y') ? run(c) : 0;
        if (c == 'm' && n >= 4) {
            text += MonthNames[date.month - 1];
        } else if (c == 'm' && n == 3) {
            text += std::string(MonthNames[date.month - 1]).substr(0, 3);
        } else if (c == 'm' && n == 2) {
            text += TwoDigits(date.month);
        } else if (c == 'd' && n == 2) {
            text += TwoDigits(date.day);
        } else if (c == 'y' && n == 4) {
            text += std::to_string(date.year);
        } else {
            text += c;
            i += 1;
            continue;
        }
        i += n;
    }
    return text;
}

} // namespace core
