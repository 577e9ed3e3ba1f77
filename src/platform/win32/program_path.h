#pragma once
// The full path of the running executable, however long.

#include <string>

namespace zerkon {

std::wstring OwnProgramPath();

}  // namespace zerkon
