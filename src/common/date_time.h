#pragma once
// A local date and time, as the clock gives it and the date helpers take it.

namespace zerkon {

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

}  // namespace zerkon
