#include "bank/geminy_decoder.h"

#include <string>

#include "bank/decoder_text.h"
#include "bank/geminy_record.h"
#include "common/cp1250_literal.h"
#include "common/date_helpers.h"
#include "common/number_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

constexpr std::size_t kStarsWidth = 70;

// The most each part writes: labels, line breaks, the widest fields and
// amounts.
constexpr std::size_t kFrameMax = 900;  // header and summary, without the path
constexpr std::size_t kFrameLines = 12;
constexpr std::size_t kOrderMax = 330;
constexpr std::size_t kOrderLines = 7;

// Without trailing spaces.
std::string_view TrimmedRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// account + " / " + bank code + "   " + name, trimmed at the right as a
// whole: a blank name takes the three spaces with it, a blank bank code too
// the space after the slash.
void AppendCredited(OutputText& out, const GeminyOrder& order) {
    const std::string_view bank_code = order.credited_bank_code;
    const std::string_view name = TrimmedRight(order.credited_name);
    out.Append(order.credited_account);
    if (!name.empty()) {
        out.Append(" / ");
        out.Append(bank_code);
        out.Append("   ");
        out.Append(name);
    } else if (const std::string_view code = TrimmedRight(bank_code); !code.empty()) {
        out.Append(" / ");
        out.Append(code);
    } else {
        out.Append(" /");
    }
}

class GeminyDecoder {
  public:
    GeminyDecoder(BankLines& lines, std::string_view path, CalendarDate modified,
                  const RegionalSettings& regional, OutputText& out)
        : lines_(lines), path_(path), modified_(modified), regional_(regional), out_(out) {}

    // The header shows the total before the orders: a first pass over the
    // lines adds the amounts up, the second writes.
    Status Decode() {
        const Orders orders = CountOrders();
        if (!lines_.status().ok()) return lines_.status();
        lines_.Rewind();
        Status room = out_.Expect({.bytes = kFrameMax + path_.size() + orders.count * kOrderMax,
                                   .lines = kFrameLines + orders.count * kOrderLines});
        if (!room.ok()) return room;
        out_.Append("Soubor:  ");
        out_.Append(path_);
        out_.Append("\r\nZe dne:  ");
        out_.Append(FormatFileDate(modified_));
        out_.Append(kCrLf);
        out_.Append(Stars(kStarsWidth));
        out_.Append("\r\n\r\n");
        const std::string total = FormatAmount(orders.sum, regional_);

        std::string_view line;
        if (lines_.Next(line)) {
            const GeminyOrder first = ReadGeminyOrder(line);
            AppendHeader(first, total);
            // The header is taken from line 1 even when it is no order.
            if (!line.empty()) AppendOrder(first);
        }
        while (lines_.Next(line)) {
            if (!line.empty()) AppendOrder(ReadGeminyOrder(line));
            out_.EndRecord();
        }
        if (!lines_.status().ok()) return lines_.status();
        // A file changed between the two passes would show a total that is
        // not the sum of the orders shown.
        if (shown_.count != orders.count || shown_.sum != orders.sum) {
            return Status::Failed(StatusCode::kCannotRead,
                                  "Soubor \""_cz + std::string(path_) +
                                      "\" se během čtení změnil. Otevřete jej znovu."_cz);
        }

        out_.Append(kCrLf);
        out_.Append(Stars(kStarsWidth));
        out_.Append("\r\nCelkový počet řádků:  "_cz);
        out_.AppendNumber(orders.count);
        out_.Append("\r\nCelková částka k proplacení:  "_cz);
        out_.Append(total);
        out_.Append(kCrLf);
        out_.Append(Stars(kStarsWidth));
        out_.Append(kCrLf);
        out_.Finish();
        return out_.status();
    }

  private:
    struct Orders {
        std::size_t count = 0;
        Amount sum = 0;
        void Add(Amount amount) {
            ++count;
            sum = AddSaturating(sum, amount);
        }
    };

    // Every line that is not empty is one order.
    Orders CountOrders() {
        Orders orders;
        for (std::string_view line; lines_.Next(line);) {
            if (!line.empty()) orders.Add(HalereField(ReadGeminyOrder(line).amount, regional_));
        }
        return orders;
    }

    void AppendHeader(const GeminyOrder& first, std::string_view total) {
        out_.Append("Druh platebního styku:  "_cz);
        if (first.kind == "11") out_.Append("platební příkaz k úhradě"_cz);
        out_.Append("\r\nNa vrub účtu:  "_cz);
        out_.Append(first.debited_account);
        out_.Append(" / ");
        out_.Append(first.debited_bank_code);
        out_.Append("   ");
        out_.Append(first.debited_name);
        out_.Append("\r\nCelková částka k proplacení:  "_cz);
        out_.Append(total);
        out_.Append("\r\nDatum splatnosti:  ");
        out_.Append(CompactToDottedDate(first.due_date));
        out_.Append(kCrLf);
    }

    void AppendOrder(const GeminyOrder& order) {
        const Amount amount = HalereField(order.amount, regional_);
        shown_.Add(amount);
        out_.Append("\r\nVe prospěch účtu:  "_cz);
        AppendCredited(out_, order);
        out_.Append("\r\nČástka:  "_cz);
        out_.Append(AmountText(amount, regional_).View());
        out_.Append("\r\nVS:  ");
        out_.Append(order.variable_symbol);
        out_.Append("\r\nKS:  ");
        out_.Append(order.constant_symbol);
        out_.Append("\r\nSS:  ");
        out_.Append(order.specific_symbol);
        out_.Append("\r\nInfo:  ");
        out_.Append(TrimmedRight(order.information));
        out_.Append(kCrLf);
    }

    BankLines& lines_;
    std::string_view path_;
    CalendarDate modified_;
    const RegionalSettings& regional_;
    OutputText& out_;
    Orders shown_;
};

}  // namespace

Status DecodeGeminy(const BankSource& source, const RegionalSettings& regional,
                    OutputText& preview) {
    BankLines lines(source.bytes);
    return GeminyDecoder(lines, source.path, source.modified, regional, preview).Decode();
}

Status DecodeGeminy(FileSystem& files, const std::filesystem::path& path,
                    const RegionalSettings& regional, OutputText& preview) {
    Result<OpenedBankFile> file = OpenedBankFile::Open(files, path);
    if (!file.ok()) return file.status();
    return GeminyDecoder(file->lines, file->path, file->modified, regional, preview).Decode();
}

}  // namespace zerkon
