#pragma once
// The local clock, behind an interface so that time stamps are testable.

#include "common/date_time.h"

namespace zerkon {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

// The machine's local clock (portable: std::chrono and the C library).
const Clock& SystemClock();

}  // namespace zerkon
