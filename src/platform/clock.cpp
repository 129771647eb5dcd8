#include "platform/clock.h"

#include "core/day_number.h"

#include <QDateTime>

namespace platform {

double SystemClock::today() const {
    QDate date = QDate::currentDate();
    return core::DayNumberFromDate(date.year(), date.month(), date.day());
}

double SystemClock::now() const {
    QTime time = QTime::currentTime();
    return today() + time.msecsSinceStartOfDay() / 86400000.0;
}

} // namespace platform
