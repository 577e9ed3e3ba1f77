#pragma once
// The program's command line: the switch "/ELDP(path)" by which the payroll program starts this
// program directly in the ELDP form.

#include <string>
#include <string_view>
#include <vector>

namespace zerkon {

struct EldpSwitch {
    std::string data_file;           // empty when the switch is absent or malformed
    bool from_command_line = false;  // exactly when data_file is non-empty
};

// Splits a command line into arguments as the program's runtime does: blanks (and other
// characters up to ' ') separate arguments outside double quotes; a double quote switches quoting
// on or off and is itself dropped. Element 0 is the program path.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// Evaluates arguments 1..count (element 0, the program path, is skipped). An argument containing
// "/ELDP" (case-sensitive) yields the text between its first "(" and its first ")", or empty
// when either is missing or ")" comes first; the last such argument decides.
EldpSwitch ParseEldpSwitch(const std::vector<std::string>& arguments);

}  // namespace zerkon
