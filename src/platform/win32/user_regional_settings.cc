#include "platform/win32/user_regional_settings.h"

#include <windows.h>

#include "common/cp1250.h"

namespace zerkon {
namespace {

char LocaleChar(LCTYPE type, char fallback) {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 8) < 2) return fallback;
    return UnicodeToCp1250(buffer[0]);
}

}  // namespace

RegionalSettings UserRegionalSettings() {
    const RegionalSettings czech = RegionalSettings::Czech();
    return {LocaleChar(LOCALE_SDECIMAL, czech.decimal_separator),
            LocaleChar(LOCALE_STHOUSAND, czech.thousands_separator),
            LocaleChar(LOCALE_SDATE, czech.date_separator),
            LocaleChar(LOCALE_SLIST, czech.list_separator)};
}

}  // namespace zerkon
