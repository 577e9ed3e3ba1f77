#pragma once
// The revision of masked date and time texts (ApplyMaskOn): completing and
// correcting the parts of a date or time on entry and exit, and filling an
// empty field with now.

#include <string>
#include <string_view>

#include "controls/mask_edit.h"

namespace zerkon {

// The recognised date and time masks.
enum class MaskKind {
    kNone,           // never revised
    kDayMonthYear4,  // "!99.99.9999"
    kDayMonthYear2,  // "!99.99.99"
    kDayMonth,       // "!99.99"
    kTimeSeconds,    // "!99:99:99"
    kTimeMillis,     // "!99:99:99.999"
    kTime,           // "!99:99"
    kTimeAnyHours,   // "?99:99": hours above 24 allowed
    kTimeQuarter,    // "!99:15": minutes in quarter hours
};

MaskKind RecogniseMask(std::string_view mask);

// See ApplyMaskOn.
std::string ReviseMaskedText(std::string_view text, std::string_view mask, TMaskOn entry_mode,
                             TMaskOn exit_mode, const MaskNow& now, DateTimeFormats* formats);

}  // namespace zerkon
