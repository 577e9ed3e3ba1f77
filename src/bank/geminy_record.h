#pragma once
// A Geminy payment order: one fixed-width line, cut into its fields.
// Positions are 1-based characters; a line that ends early gives the part of
// a field it holds, or an empty field. Fields are views into the line. The
// kind of payment, the debited side and the due date count from line 1 only.
//
//   chars    width  field
//     7-8       2   kind of payment; "11" is a payment order
//    15-18      4   bank code of the debited account
//    22-25      4   bank code of the credited account
//    29-43     15   amount, halere
//    44-49      6   due date, YYMMDD
//    50-59     10   constant symbol
//    60-69     10   variable symbol
//    70-79     10   specific symbol
//    80-95     16   debited account number
//    96-111    16   credited account number
//   112-251   140   information for the recipient
//   252-271    20   name of the debited account
//   272-291    20   name of the credited account

#include <string_view>

namespace zerkon {

struct GeminyOrder {
    std::string_view kind;
    std::string_view debited_bank_code;
    std::string_view credited_bank_code;
    std::string_view amount;
    std::string_view due_date;
    std::string_view constant_symbol;
    std::string_view variable_symbol;
    std::string_view specific_symbol;
    std::string_view debited_account;
    std::string_view credited_account;
    std::string_view information;
    std::string_view debited_name;
    std::string_view credited_name;
};

GeminyOrder ReadGeminyOrder(std::string_view line);

}  // namespace zerkon
