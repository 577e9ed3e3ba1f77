#pragma once
// The lines of a KPC batch of payment orders, each with its role, cut into
// their fields. Lines 1 to 3 take their roles by position, whatever they
// hold; from line 4 on a line starting "5 +" ends the file (nothing after it
// is read), "3 +" ends a group, "2 " starts a further group, and every other
// line is a payment item. Fields are views into the line; short lines give
// short or empty fields.
//
//   line 1   file header: the client's name at characters 11-30
//   line 2   accounting-file header: bank code of the debited account at 15-18
//   group    first two characters dropped, then tokens at single spaces:
//            debited account, group amount (halere), due date DDMMYY
//   item     tokens at single spaces: credited account, amount (halere),
//            variable symbol, bank code (1-4) + constant symbol (5-8),
//            specific symbol; the rest of the line, unchanged, is the message

#include <cstddef>
#include <string_view>

#include "bank/bank_file.h"

namespace zerkon {

enum class KpcLineKind { kFileHeader, kAccountingHeader, kGroup, kItem, kEndOfGroup };

struct KpcGroup {
    std::string_view account;
    std::string_view amount;
    std::string_view due_date;
};

struct KpcItem {
    std::string_view account;
    std::string_view amount;
    std::string_view variable_symbol;
    std::string_view bank_code;
    std::string_view constant_symbol;
    std::string_view specific_symbol;
    std::string_view message;
};

std::string_view KpcClientName(std::string_view file_header);
std::string_view KpcDebitedBankCode(std::string_view accounting_header);
KpcGroup ReadKpcGroup(std::string_view line);
KpcItem ReadKpcItem(std::string_view line);

// The lines of a file with their roles, up to the end of the file or "5 +".
class KpcLines {
  public:
    explicit KpcLines(BankLines& lines) : lines_(lines) {}
    bool Next(KpcLineKind& kind, std::string_view& line);

  private:
    BankLines& lines_;
    std::size_t number_ = 0;
    bool ended_ = false;
};

}  // namespace zerkon
