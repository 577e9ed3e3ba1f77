#pragma once
// Windows-1250 program text <-> the UTF-16 of the wide Win32 API. Header-only, for the Win32
// layer (src/platform/win32 and src/ui).

#include <string>
#include <string_view>

#include "common/cp1250.h"

namespace zerkon {

inline std::wstring Wide(std::string_view cp1250) {
    std::u16string utf16 = Cp1250ToUtf16(cp1250);
    return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Narrow(std::wstring_view wide) {
    return Utf16ToCp1250(std::u16string(wide.begin(), wide.end()));
}

}  // namespace zerkon
