#include "bank/kpc_record.h"

#include <algorithm>

#include "bank/decoder_text.h"

namespace zerkon {

using bank_text::Field;
using bank_text::NextToken;

std::string_view KpcClientName(std::string_view file_header) {
    return Field(file_header, 11, 20);
}

std::string_view KpcDebitedBankCode(std::string_view accounting_header) {
    return Field(accounting_header, 15, 4);
}

// A group header loses its first two characters, whatever they are.
KpcGroup ReadKpcGroup(std::string_view line) {
    std::string_view rest = line.substr(std::min<std::size_t>(2, line.size()));
    KpcGroup group;
    group.account = NextToken(rest);
    group.amount = NextToken(rest);
    group.due_date = NextToken(rest);
    return group;
}

KpcItem ReadKpcItem(std::string_view line) {
    std::string_view rest = line;
    KpcItem item;
    item.account = NextToken(rest);
    item.amount = NextToken(rest);
    item.variable_symbol = NextToken(rest);
    const std::string_view bank_and_constant = NextToken(rest);
    item.specific_symbol = NextToken(rest);
    item.bank_code = Field(bank_and_constant, 1, 4);
    item.constant_symbol = Field(bank_and_constant, 5, 4);
    item.message = rest;
    return item;
}

bool KpcLines::Next(KpcLineKind& kind, std::string_view& line) {
    if (ended_ || !lines_.Next(line)) return false;
    switch (++number_) {
        case 1:
            kind = KpcLineKind::kFileHeader;
            return true;
        case 2:
            kind = KpcLineKind::kAccountingHeader;
            return true;
        case 3:
            kind = KpcLineKind::kGroup;
            return true;
        default:
            break;
    }
    if (line.starts_with("5 +")) {
        ended_ = true;
        return false;
    }
    if (line.starts_with("3 +")) {
        kind = KpcLineKind::kEndOfGroup;
    } else if (line.starts_with("2 ")) {
        kind = KpcLineKind::kGroup;
    } else {
        kind = KpcLineKind::kItem;
    }
    return true;
}

}  // namespace zerkon
