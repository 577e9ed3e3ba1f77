#include "bank/kpc_decoder.h"

#include <string>

#include "bank/decoder_text.h"
#include "common/cp1250_literal.h"
#include "common/number_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

constexpr size_t kStarsWidth = 70;

class KpcDecoder {
  public:
    KpcDecoder(const RegionalSettings& regional, PreviewLines& preview)
        : regional_(regional), preview_(preview) {}

    void Decode(const BankSource& source) {
        preview_.clear();
        AddConcat(preview_, {"Soubor:  ", source.path});
        AddConcat(preview_, {"Ze dne:  ", FormatFileDate(source.modified)});
        preview_.emplace_back();

        const std::vector<std::string_view> lines = SplitLines(source.bytes);
        // Every item takes one entry: reserve for the common case.
        preview_.reserve(lines.size() + 8);
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string_view line = lines[i];
            if (i == 0) {
                firm_line_ = Concat({"Firma: ", Field(line, 11, 20)});
                preview_.emplace_back(Stars(kStarsWidth));
                preview_.push_back(firm_line_);
            } else if (i == 1) {
                bank_code_ = Field(line, 15, 4);
            } else if (i == 2) {
                AppendGroupHeader(line);
            } else if (line.starts_with("5 +")) {
                break;
            } else if (line.starts_with("3 +")) {
                continue;
            } else if (line.starts_with("2 ")) {
                AddConcat(preview_, {Stars(kStarsWidth), kCrLf, firm_line_});
                AppendGroupHeader(line);
            } else {
                AppendItem(line);
            }
        }
        AddConcat(preview_,
                  {Stars(kStarsWidth), kCrLf, "Celkový počet řádků:  "_cz,
                   std::to_string(item_count_), kCrLf, "Celková částka k proplacení:  "_cz,
                   FormatAmount(sum_, regional_), kCrLf, Stars(kStarsWidth)});
    }

  private:
    // A group header loses its first two characters, whatever they are.
    void AppendGroupHeader(std::string_view line) {
        std::string_view rest = line.substr(std::min<size_t>(2, line.size()));
        const std::string_view account = NextToken(rest);
        const std::string_view amount = NextToken(rest);
        const std::string_view due_date = NextToken(rest);
        AddConcat(preview_, {"Na vrub účtu:  "_cz, account, " / ", bank_code_});
        AddConcat(preview_, {"Celková částka k proplacení:  "_cz,
                             FormatAmount(TextToHundredths(amount, regional_), regional_)});
        AddConcat(preview_,
                  {"Datum splatnosti:  ", DottedDate(due_date), kCrLf, Stars(kStarsWidth), kCrLf});
    }

    void AppendItem(std::string_view line) {
        std::string_view rest = line;
        const std::string_view account = NextToken(rest);
        const std::string_view amount_text = NextToken(rest);
        const std::string_view variable_symbol = NextToken(rest);
        const std::string_view bank_and_constant = NextToken(rest);
        const std::string_view specific_symbol = NextToken(rest);
        const Amount amount = TextToHundredths(amount_text, regional_);
        ++item_count_;
        sum_ = AddSaturating(sum_, amount);
        AddConcat(preview_, {"Ve prospěch účtu:  "_cz,
                             account,
                             " / ",
                             Field(bank_and_constant, 1, 4),
                             kCrLf,
                             "Částka:  "_cz,
                             FormatAmount(amount, regional_),
                             kCrLf,
                             "VS:  ",
                             variable_symbol,
                             kCrLf,
                             "KS:  ",
                             Field(bank_and_constant, 5, 4),
                             kCrLf,
                             "SS:  ",
                             specific_symbol,
                             kCrLf,
                             "Zpráva pro příjemce:  "_cz,
                             rest,
                             kCrLf});
    }

    const RegionalSettings& regional_;
    PreviewLines& preview_;
    std::string firm_line_;
    std::string bank_code_;
    long long item_count_ = 0;
    Amount sum_ = 0;
};

}  // namespace

void DecodeKpc(const BankSource& source, const RegionalSettings& regional, PreviewLines& preview) {
    KpcDecoder(regional, preview).Decode(source);
}

void DecodeKpc(const std::filesystem::path& path, PreviewLines& preview,
               const RegionalSettings& regional) {
    preview.clear();
    const BankFile file = ReadBankFile(path);
    const std::string path_text = PathToProgramText(path);
    DecodeKpc(BankSource{file.bytes, path_text, file.modified}, regional, preview);
}

}  // namespace zerkon
