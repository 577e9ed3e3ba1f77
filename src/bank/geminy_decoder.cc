#include "bank/geminy_decoder.h"

#include <string>

#include "bank/decoder_text.h"
#include "common/cp1250_literal.h"
#include "common/date_helpers.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

constexpr size_t kStarsWidth = 70;

}  // namespace

void DecodeGeminy(const BankSource& source, const RegionalSettings& regional,
                  PreviewLines& preview) {
    preview.clear();
    AddConcat(preview, {"Soubor:  ", source.path});
    AddConcat(preview, {"Ze dne:  ", FormatFileDate(source.modified)});
    preview.emplace_back(Stars(kStarsWidth));
    preview.emplace_back();

    const std::vector<std::string_view> lines = SplitLines(source.bytes);
    // The header shows the total before the orders: collect them first.
    PreviewLines orders;
    orders.reserve(lines.size() * 7);
    long long order_count = 0;
    Amount sum = 0;
    for (const std::string_view line : lines) {
        if (line.empty()) continue;
        const Amount amount = TextToHundredths(Field(line, 29, 15), regional);
        ++order_count;
        sum = AddSaturating(sum, amount);
        orders.emplace_back();
        orders.push_back(
            Concat({"Ve prospěch účtu:  "_cz,
                    TrimRightSpaces(Concat({Field(line, 96, 16), " / ", Field(line, 22, 4), "   ",
                                            Field(line, 272, 20)}))}));
        AddConcat(orders, {"Částka:  "_cz, FormatAmount(amount, regional)});
        AddConcat(orders, {"VS:  ", Field(line, 60, 10)});
        AddConcat(orders, {"KS:  ", Field(line, 50, 10)});
        AddConcat(orders, {"SS:  ", Field(line, 70, 10)});
        AddConcat(orders, {"Info:  ", TrimRightSpaces(Field(line, 112, 140))});
    }

    const std::string total = FormatAmount(sum, regional);
    if (!lines.empty()) {
        const std::string_view first = lines.front();
        AddConcat(preview, {"Druh platebního styku:  "_cz,
                            Field(first, 7, 2) == "11" ? "platební příkaz k úhradě"_cz : ""});
        AddConcat(preview, {"Na vrub účtu:  "_cz, Field(first, 80, 16), " / ", Field(first, 15, 4),
                            "   ", Field(first, 252, 20)});
        AddConcat(preview, {"Celková částka k proplacení:  "_cz, total});
        preview.push_back(
            Concat({"Datum splatnosti:  ", CompactToDottedDate(Field(first, 44, 6))}));
    }
    preview.reserve(preview.size() + orders.size() + 1);
    for (std::string& entry : orders) preview.push_back(std::move(entry));
    AddConcat(preview, {kCrLf, Stars(kStarsWidth), kCrLf, "Celkový počet řádků:  "_cz,
                        std::to_string(order_count), kCrLf, "Celková částka k proplacení:  "_cz,
                        total, kCrLf, Stars(kStarsWidth)});
}

void DecodeGeminy(const std::filesystem::path& path, PreviewLines& preview,
                  const RegionalSettings& regional) {
    preview.clear();
    const BankFile file = ReadBankFile(path);
    const std::string path_text = PathToProgramText(path);
    DecodeGeminy(BankSource{file.bytes, path_text, file.modified}, regional, preview);
}

}  // namespace zerkon
