#pragma once
// The user's regional settings that number and date texts follow. Read from
// the user's locale on Windows; a plain value everywhere else so that the
// core and its tests never depend on the machine they run on.

namespace zerkon {

struct RegionalSettings {
    char decimal_separator = ',';
    // Windows-1250 byte; Czech settings use the no-break space 0xA0.
    char thousands_separator = '\xA0';
    char date_separator = '.';
    // Between the values of a list (the fields of a CSV file).
    char list_separator = ';';

    static RegionalSettings Czech() { return {',', '\xA0', '.', ';'}; }
    static RegionalSettings English() { return {'.', ',', '/', ','}; }
};

}  // namespace zerkon
