#pragma once
// The system's own text for an error code, in the user's language, as
// program text (Windows-1250).

#include <windows.h>

#include <string>

namespace zerkon {

std::string SystemMessage(DWORD code);

}  // namespace zerkon
