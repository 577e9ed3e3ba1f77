#pragma once
// A new empty file in the user's temporary folder, named by Windows so that
// no other program or copy of this one gets the same; empty when none can be
// made.

#include <filesystem>

namespace zerkon {

std::filesystem::path NewTemporaryFile();

}  // namespace zerkon
