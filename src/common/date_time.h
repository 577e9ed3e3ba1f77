#pragma once
// A local date and time, as the clock gives it and the date helpers take it, and a local date
// alone, as a file's last change is shown.

namespace zerkon {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

}  // namespace zerkon
