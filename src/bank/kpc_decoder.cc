#include "bank/kpc_decoder.h"

#include <string>

#include "bank/decoder_text.h"
#include "common/cp1250_literal.h"
#include "common/number_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

constexpr std::size_t kStarsWidth = 70;

// The most each part writes beyond the bytes of its line (every field is a
// part of the line): labels, line breaks and a formatted amount.
constexpr std::size_t kFrameMax = 400;  // without the path
constexpr std::size_t kFrameLines = 12;
constexpr std::size_t kGroupMax = 300;
constexpr std::size_t kGroupLines = 7;
constexpr std::size_t kItemMax = 160;
constexpr std::size_t kItemLines = 7;

// The kind of a line from line 4 on.
enum class KpcLine { kEndOfFile, kEndOfGroup, kGroup, kItem };

KpcLine KindOf(std::string_view line) {
    if (line.starts_with("5 +")) return KpcLine::kEndOfFile;
    if (line.starts_with("3 +")) return KpcLine::kEndOfGroup;
    if (line.starts_with("2 ")) return KpcLine::kGroup;
    return KpcLine::kItem;
}

class KpcDecoder {
  public:
    KpcDecoder(BankLines& lines, std::string_view path, CalendarDate modified,
               const RegionalSettings& regional, OutputText& out)
        : lines_(lines), path_(path), modified_(modified), regional_(regional), out_(out) {}

    void Decode() {
        if (out_.held()) {
            ExpectOutput();
            lines_.Rewind();
        }
        out_.Append("Soubor:  ");
        out_.Append(path_);
        out_.Append("\r\nZe dne:  ");
        out_.Append(FormatFileDate(modified_));
        out_.Append("\r\n\r\n");

        std::string_view line;
        if (lines_.Next(line)) {
            firm_ = Field(line, 11, 20);
            out_.Append(Stars(kStarsWidth));
            AppendFirm();
        }
        if (lines_.Next(line)) bank_code_ = Field(line, 15, 4);
        if (lines_.Next(line)) AppendGroupHeader(line);
        while (lines_.Next(line)) {
            const KpcLine kind = KindOf(line);
            if (kind == KpcLine::kEndOfFile) break;
            if (kind == KpcLine::kGroup) {
                out_.Append(Stars(kStarsWidth));
                AppendFirm();
                AppendGroupHeader(line);
            } else if (kind == KpcLine::kItem) {
                AppendItem(line);
            }
            out_.EndRecord();
        }
        AppendSummary();
        out_.Finish();
    }

  private:
    // Room for what the lines can give, counted as they will be read.
    void ExpectOutput() {
        std::size_t bytes = kFrameMax + path_.size();
        std::size_t lines = kFrameLines;
        std::string_view line;
        for (std::size_t number = 1; lines_.Next(line); ++number) {
            const KpcLine kind = number <= 3 ? KpcLine::kGroup : KindOf(line);
            if (kind == KpcLine::kEndOfFile) break;
            if (kind == KpcLine::kGroup) {
                bytes += kGroupMax + line.size();
                lines += kGroupLines;
            } else if (kind == KpcLine::kItem) {
                bytes += kItemMax + line.size();
                lines += kItemLines;
            }
        }
        out_.Expect({.bytes = bytes, .lines = lines});
    }

    void AppendFirm() {
        out_.Append("\r\nFirma: ");
        out_.Append(firm_);
        out_.Append(kCrLf);
    }

    // A group header loses its first two characters, whatever they are.
    void AppendGroupHeader(std::string_view line) {
        std::string_view rest = line.substr(std::min<std::size_t>(2, line.size()));
        const std::string_view account = NextToken(rest);
        const std::string_view amount = NextToken(rest);
        const std::string_view due_date = NextToken(rest);
        out_.Append("Na vrub účtu:  "_cz);
        out_.Append(account);
        out_.Append(" / ");
        out_.Append(bank_code_);
        out_.Append("\r\nCelková částka k proplacení:  "_cz);
        out_.Append(AmountText(HalereField(amount, regional_), regional_).View());
        out_.Append("\r\nDatum splatnosti:  ");
        AppendDottedDate(out_, due_date);
        out_.Append(kCrLf);
        out_.Append(Stars(kStarsWidth));
        out_.Append("\r\n\r\n");
    }

    void AppendItem(std::string_view line) {
        std::string_view rest = line;
        const std::string_view account = NextToken(rest);
        const std::string_view amount_text = NextToken(rest);
        const std::string_view variable_symbol = NextToken(rest);
        const std::string_view bank_and_constant = NextToken(rest);
        const std::string_view specific_symbol = NextToken(rest);
        const Amount amount = HalereField(amount_text, regional_);
        ++item_count_;
        sum_ = AddSaturating(sum_, amount);
        out_.Append("Ve prospěch účtu:  "_cz);
        out_.Append(account);
        out_.Append(" / ");
        out_.Append(Field(bank_and_constant, 1, 4));
        out_.Append("\r\nČástka:  "_cz);
        out_.Append(AmountText(amount, regional_).View());
        out_.Append("\r\nVS:  ");
        out_.Append(variable_symbol);
        out_.Append("\r\nKS:  ");
        out_.Append(Field(bank_and_constant, 5, 4));
        out_.Append("\r\nSS:  ");
        out_.Append(specific_symbol);
        out_.Append("\r\nZpráva pro příjemce:  "_cz);
        out_.Append(rest);
        out_.Append("\r\n\r\n");
    }

    void AppendSummary() {
        out_.Append(Stars(kStarsWidth));
        out_.Append("\r\nCelkový počet řádků:  "_cz);
        out_.AppendNumber(item_count_);
        out_.Append("\r\nCelková částka k proplacení:  "_cz);
        out_.Append(FormatAmount(sum_, regional_));
        out_.Append(kCrLf);
        out_.Append(Stars(kStarsWidth));
        out_.Append(kCrLf);
    }

    BankLines& lines_;
    std::string_view path_;
    CalendarDate modified_;
    const RegionalSettings& regional_;
    OutputText& out_;
    std::string firm_;  // lines 1 and 2 are gone when the later ones are read
    std::string bank_code_;
    long long item_count_ = 0;
    Amount sum_ = 0;
};

}  // namespace

void DecodeKpc(const BankSource& source, const RegionalSettings& regional, OutputText& preview) {
    BankLines lines(source.bytes);
    KpcDecoder(lines, source.path, source.modified, regional, preview).Decode();
}

void DecodeKpc(const std::filesystem::path& path, const RegionalSettings& regional,
               OutputText& preview) {
    OpenedBankFile file(path);
    KpcDecoder(file.lines, file.path, file.modified, regional, preview).Decode();
}

}  // namespace zerkon
