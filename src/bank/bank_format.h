#pragma once
// The three kinds of bank file. Their values are the Tags of the main window's buttons "KPC",
// "GPC" and "Geminy", which open the bank window in that format.

namespace zerkon {

enum class BankFormat { kKpc = 1, kGpc = 2, kGeminy = 3 };

}  // namespace zerkon
