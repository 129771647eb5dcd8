#pragma once

namespace platform {

// Today's date as a day number (days since 30 December 1899).
class Clock {
public:
    virtual ~Clock() = default;
    virtual double today() const = 0;
    // Today with the time of day as the fraction.
    virtual double now() const = 0;
};

class SystemClock : public Clock {
public:
    double today() const override;
    double now() const override;
};

} // namespace platform
