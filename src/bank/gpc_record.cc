#include "bank/gpc_record.h"

#include "bank/decoder_text.h"

namespace zerkon {

namespace {

using bank_text::Field;

struct Place {
    std::size_t first;
    std::size_t width;
};

std::string_view At(std::string_view line, Place place) {
    return Field(line, place.first, place.width);
}

constexpr Place kType{1, 3};

// Head.
constexpr Place kAccount{4, 16};
constexpr Place kName{20, 19};
constexpr Place kOldBalanceDate{40, 6};
constexpr Place kOldBalance{46, 14};
constexpr Place kNewBalance{61, 14};
constexpr Place kDebit{76, 14};
constexpr Place kCredit{91, 14};
constexpr Place kNumber{106, 3};
constexpr Place kAccountingDate{109, 6};

// Item.
constexpr Place kCounterAccount{20, 16};
constexpr Place kDocument{36, 13};
constexpr Place kAmount{49, 12};
constexpr Place kPostingCode{61, 1};
constexpr Place kVariableSymbol{62, 10};
constexpr Place kBankCode{74, 4};
constexpr Place kConstantSymbol{78, 4};
constexpr Place kSpecificSymbol{82, 10};
constexpr Place kMessage{98, 20};
constexpr Place kDueDate{123, 6};

// An amount and the sign character right after it.
GpcSignedField SignedAt(std::string_view line, Place place) {
    return {At(line, place), Field(line, place.first + place.width, 1) == "-"};
}

}  // namespace

GpcRecordType GpcTypeOf(std::string_view line) {
    const std::string_view type = At(line, kType);
    if (type == "074") return GpcRecordType::kHead;
    if (type == "075") return GpcRecordType::kItem;
    return GpcRecordType::kOther;
}

GpcHead ReadGpcHead(std::string_view line) {
    return {
        .account = At(line, kAccount),
        .name = At(line, kName),
        .old_balance_date = At(line, kOldBalanceDate),
        .old_balance = SignedAt(line, kOldBalance),
        .new_balance = SignedAt(line, kNewBalance),
        .debit = SignedAt(line, kDebit),
        .credit = SignedAt(line, kCredit),
        .number = At(line, kNumber),
        .accounting_date = At(line, kAccountingDate),
    };
}

GpcItem ReadGpcItem(std::string_view line) {
    return {
        .counter_account = At(line, kCounterAccount),
        .document = At(line, kDocument),
        .amount = At(line, kAmount),
        .posting_code = At(line, kPostingCode),
        .variable_symbol = At(line, kVariableSymbol),
        .bank_code = At(line, kBankCode),
        .constant_symbol = At(line, kConstantSymbol),
        .specific_symbol = At(line, kSpecificSymbol),
        .message = At(line, kMessage),
        .due_date = At(line, kDueDate),
    };
}

}  // namespace zerkon
