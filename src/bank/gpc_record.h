#pragma once
// The records of a GPC account statement, one a line, cut into their fields.
// Positions are 1-based characters of the line; a line that ends early gives
// the part of a field it holds, or an empty field. Amounts are whole halere
// written as digits, each followed by its sign character ("-" negative,
// anything else positive). Fields are views into the line.
//
// Statement head, type "074":
//   chars    width  field
//     1-3       3   record type "074"
//     4-19     16   account number
//    20-38     19   account name (character 39 is never read)
//    40-45      6   date of the old balance, DDMMYY
//    46-59     14   old balance               60  sign
//    61-74     14   new balance               75  sign
//    76-89     14   debit turnover            90  sign
//    91-104    14   credit turnover          105  sign
//   106-108     3   statement number
//   109-114     6   accounting date, DDMMYY
//
// Turnover item, type "075":
//     1-3       3   record type "075"
//    20-35     16   counter-account number
//    36-48     13   document number
//    49-60     12   amount
//       61      1   posting code: 1 debit, 2 credit, 4 storno debit, 5 storno credit
//    62-71     10   variable symbol
//    74-77      4   bank code of the counter-account
//    78-81      4   constant symbol
//    82-91     10   specific symbol
//    98-117    20   message
//   123-128     6   due date, DDMMYY

#include <string_view>

namespace zerkon {

enum class GpcRecordType { kHead, kItem, kOther };

struct GpcSignedField {
    std::string_view halere;
    bool negative = false;
};

struct GpcHead {
    std::string_view account;
    std::string_view name;
    std::string_view old_balance_date;
    GpcSignedField old_balance;
    GpcSignedField new_balance;
    GpcSignedField debit;
    GpcSignedField credit;
    std::string_view number;
    std::string_view accounting_date;
};

struct GpcItem {
    std::string_view counter_account;
    std::string_view document;
    std::string_view amount;
    std::string_view posting_code;
    std::string_view variable_symbol;
    std::string_view bank_code;
    std::string_view constant_symbol;
    std::string_view specific_symbol;
    std::string_view message;
    std::string_view due_date;
};

GpcRecordType GpcTypeOf(std::string_view line);
GpcHead ReadGpcHead(std::string_view line);
GpcItem ReadGpcItem(std::string_view line);

}  // namespace zerkon
