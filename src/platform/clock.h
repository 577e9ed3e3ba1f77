#pragma once
// The local clock, behind an interface so that time stamps are testable.

namespace zerkon {

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

// The machine's local clock (portable: std::chrono and the C library).
const Clock& SystemClock();

}  // namespace zerkon
