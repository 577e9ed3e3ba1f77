#include "bank/geminy_record.h"

#include "bank/decoder_text.h"

namespace zerkon {

GeminyOrder ReadGeminyOrder(std::string_view line) {
    using bank_text::Field;
    return {
        .kind = Field(line, 7, 2),
        .debited_bank_code = Field(line, 15, 4),
        .credited_bank_code = Field(line, 22, 4),
        .amount = Field(line, 29, 15),
        .due_date = Field(line, 44, 6),
        .constant_symbol = Field(line, 50, 10),
        .variable_symbol = Field(line, 60, 10),
        .specific_symbol = Field(line, 70, 10),
        .debited_account = Field(line, 80, 16),
        .credited_account = Field(line, 96, 16),
        .information = Field(line, 112, 140),
        .debited_name = Field(line, 252, 20),
        .credited_name = Field(line, 272, 20),
    };
}

}  // namespace zerkon
