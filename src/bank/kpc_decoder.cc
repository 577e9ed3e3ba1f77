#include "bank/kpc_decoder.h"

#include <string>

#include "bank/decoder_text.h"
#include "bank/kpc_record.h"
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

class KpcDecoder {
  public:
    KpcDecoder(BankLines& lines, std::string_view path, CalendarDate modified,
               const RegionalSettings& regional, OutputText& out)
        : lines_(lines), path_(path), modified_(modified), regional_(regional), out_(out) {}

    Status Decode() {
        if (out_.held()) {
            if (Status room = ExpectOutput(); !room.ok()) return room;
            lines_.Rewind();
        }
        out_.Append("Soubor:  ");
        out_.Append(path_);
        out_.Append("\r\nZe dne:  ");
        out_.Append(FormatFileDate(modified_));
        out_.Append("\r\n\r\n");

        KpcLines lines(lines_);
        KpcLineKind kind;
        bool first_group = true;
        for (std::string_view line; lines.Next(kind, line);) {
            switch (kind) {
                case KpcLineKind::kFileHeader:
                    firm_ = KpcClientName(line);
                    out_.Append(Stars(kStarsWidth));
                    AppendFirm();
                    break;
                case KpcLineKind::kAccountingHeader:
                    bank_code_ = KpcDebitedBankCode(line);
                    break;
                case KpcLineKind::kGroup:
                    // Line 3 follows the file header; a further group repeats it.
                    if (!first_group) {
                        out_.Append(Stars(kStarsWidth));
                        AppendFirm();
                    }
                    first_group = false;
                    AppendGroupHeader(ReadKpcGroup(line));
                    break;
                case KpcLineKind::kItem:
                    AppendItem(ReadKpcItem(line));
                    break;
                case KpcLineKind::kEndOfGroup:
                    break;
            }
            out_.EndRecord();
        }
        if (!lines_.status().ok()) return lines_.status();
        AppendSummary();
        out_.Finish();
        return out_.status();
    }

  private:
    // Room for what the lines can give, counted as they will be read.
    Status ExpectOutput() {
        std::size_t bytes = kFrameMax + path_.size();
        std::size_t lines = kFrameLines;
        KpcLines kpc_lines(lines_);
        KpcLineKind kind;
        for (std::string_view line; kpc_lines.Next(kind, line);) {
            if (kind == KpcLineKind::kItem) {
                bytes += kItemMax + line.size();
                lines += kItemLines;
            } else if (kind != KpcLineKind::kEndOfGroup) {
                bytes += kGroupMax + line.size();
                lines += kGroupLines;
            }
        }
        if (!lines_.status().ok()) return lines_.status();
        return out_.Expect({.bytes = bytes, .lines = lines});
    }

    void AppendFirm() {
        out_.Append("\r\nFirma: ");
        out_.Append(firm_);
        out_.Append(kCrLf);
    }

    void AppendGroupHeader(const KpcGroup& group) {
        out_.Append("Na vrub účtu:  "_cz);
        out_.Append(group.account);
        out_.Append(" / ");
        out_.Append(bank_code_);
        out_.Append("\r\nCelková částka k proplacení:  "_cz);
        out_.Append(AmountText(HalereField(group.amount, regional_), regional_).View());
        out_.Append("\r\nDatum splatnosti:  ");
        AppendDottedDate(out_, group.due_date);
        out_.Append(kCrLf);
        out_.Append(Stars(kStarsWidth));
        out_.Append("\r\n\r\n");
    }

    void AppendItem(const KpcItem& item) {
        const Amount amount = HalereField(item.amount, regional_);
        ++item_count_;
        sum_ = AddSaturating(sum_, amount);
        out_.Append("Ve prospěch účtu:  "_cz);
        out_.Append(item.account);
        out_.Append(" / ");
        out_.Append(item.bank_code);
        out_.Append("\r\nČástka:  "_cz);
        out_.Append(AmountText(amount, regional_).View());
        out_.Append("\r\nVS:  ");
        out_.Append(item.variable_symbol);
        out_.Append("\r\nKS:  ");
        out_.Append(item.constant_symbol);
        out_.Append("\r\nSS:  ");
        out_.Append(item.specific_symbol);
        out_.Append("\r\nZpráva pro příjemce:  "_cz);
        out_.Append(item.message);
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

Status DecodeKpc(const BankSource& source, const RegionalSettings& regional, OutputText& preview) {
    BankLines lines(source.bytes);
    return KpcDecoder(lines, source.path, source.modified, regional, preview).Decode();
}

Status DecodeKpc(FileSystem& files, const std::filesystem::path& path,
                 const RegionalSettings& regional, OutputText& preview) {
    Result<OpenedBankFile> file = OpenedBankFile::Open(files, path);
    if (!file.ok()) return file.status();
    return KpcDecoder(file->lines, file->path, file->modified, regional, preview).Decode();
}

}  // namespace zerkon
