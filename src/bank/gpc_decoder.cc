#include "bank/gpc_decoder.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "bank/decoder_text.h"
#include "common/cp1250_literal.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

// Statements run to hundreds of thousands of items, so every record is written
// piece by piece into one fixed buffer and leaves it with a single copy; the
// preview is one growing text rather than a string per line.
//
// Everything written into the buffer is bounded: fields have fixed widths
// (128 characters per line at most), numbers at most 48 characters (sign,
// digits, separators) and the labels of one record under 300 characters, far
// below the capacity. The file's path, the one unbounded piece, never goes
// through it.
class RecordText {
  public:
    static constexpr size_t kCapacity = 2048;

    void Clear() { end_ = text_; }
    std::string_view View() const { return {text_, Size()}; }
    size_t Size() const { return static_cast<size_t>(end_ - text_); }

    // Literals are copied with their size known at compile time.
    template <size_t N>
    void Put(const char (&literal)[N]) {
        std::memcpy(end_, literal, N - 1);
        end_ += N - 1;
    }
    void Put(std::string_view text) {
        if (!text.empty()) std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }
    void Put(char c) { *end_++ = c; }
    // Characters first..first+width-1 (1-based) of the line, as far as it
    // reaches; a whole line copies a fixed width.
    template <size_t First, size_t Width>
    void PutField(std::string_view line) {
        if (line.size() >= First - 1 + Width) {
            std::memcpy(end_, line.data() + First - 1, Width);
            end_ += Width;
        } else {
            Put(Field(line, First, Width));
        }
    }
    // Decimal, as std::to_string writes it.
    void PutNumber(long long value) { end_ = std::to_chars(end_, end_ + 24, value).ptr; }
    // A DDMMYY field as DD.MM.YY, as DottedDate makes it.
    template <size_t First>
    void PutDottedDateField(std::string_view line) {
        if (line.size() >= First + 5) {
            const char* date = line.data() + First - 1;
            end_[0] = date[0];
            end_[1] = date[1];
            end_[2] = '.';
            end_[3] = date[2];
            end_[4] = date[3];
            end_[5] = '.';
            end_[6] = date[4];
            end_[7] = date[5];
            end_ += 8;
        } else {
            PutDottedDate(Field(line, First, 6));
        }
    }
    void PutDottedDate(std::string_view date) {
        Put(date.substr(0, 2));
        Put('.');
        Put(date.substr(std::min<size_t>(2, date.size()), 2));
        Put('.');
        Put(date.substr(std::min<size_t>(4, date.size())));
    }

  private:
    char text_[kCapacity];
    char* end_ = text_;
};

// A signed amount field: digits of halere followed by a sign character.
struct SignedAmount {
    std::string_view sign;  // "-" or empty
    Amount value = 0;       // without the sign
    std::string text;       // "###0.00", without the sign

    Amount Signed() const { return sign.empty() ? value : -value; }
    // As shown: sign + amount + " Kč".
    std::string Shown() const { return Concat({sign, text, " Kč"_cz}); }
};

std::string_view PostingLabel(std::string_view code) {
    if (code == "1") return "Debet";
    if (code == "2") return "Kredit";
    if (code == "4") return "Storno debet";
    if (code == "5") return "Storno kredit";
    return {};
}

class GpcDecoder {
  public:
    GpcDecoder(const RegionalSettings& regional, PreviewLines& preview, JobLines& job_lines)
        : regional_(regional), preview_(preview), job_lines_(job_lines) {
        plain_separator_ = regional.decimal_separator == '\xA0' ? ' ' : regional.decimal_separator;
    }

    // The whole preview is one entry: the header, one entry per file line and
    // the summary joined by CR LF give the same preview lines, since no field
    // holds a CR or LF (they end the file's lines).
    void Decode(const BankSource& source) {
        path_ = source.path;
        preview_.clear();
        // An item of about 130 bytes shows in about 240.
        text_.reserve(source.bytes.size() * 2 + source.path.size() + 512);
        text_.append("Soubor:  ").append(source.path).append(kCrLf).append(Stars(70));
        const std::vector<std::string_view> lines = SplitLines(source.bytes);
        // Room for the item records only: a file of bare line breaks has
        // millions of lines and no items.
        const auto item_count =
            std::count_if(lines.begin(), lines.end(),
                          [](std::string_view line) { return Field(line, 1, 3) == "075"; });
        job_lines_.reserve(job_lines_.size() + static_cast<size_t>(item_count) + 1);
        for (const std::string_view line : lines) {
            // The empty line that starts every record, or the empty line of
            // any other line.
            text_.append(kCrLf);
            const std::string_view type = Field(line, 1, 3);
            if (type == "074") {
                DecodeHead(line);
            } else if (type == "075") {
                DecodeItem(line);
            }
        }
        const std::string items = std::to_string(items_);
        const std::string credits = std::to_string(credits_);
        const std::string debits = std::to_string(debits_);
        text_.append(kCrLf);
        text_.append(Concat({Stars(40), kCrLf, "Celkový počet kredit: "_cz, credits, kCrLf,
                             "Celkový počet debet:  "_cz, debits, kCrLf,
                             "Celkový počet řádků:  "_cz, items, kCrLf, Stars(40)}));
        preview_.push_back(std::move(text_));
        AddConcat(job_lines_, {head_record_, "<Pocet>", items, kCrLf, "<PocetKredit>", credits,
                               kCrLf, "<PocetDebet>", debits, kCrLf});
    }

  private:
    SignedAmount ReadAmount(std::string_view line, size_t first, size_t width) const {
        SignedAmount amount;
        amount.value = TextToHundredths(Field(line, first, width), regional_);
        amount.text = FormatPlainAmount(amount.value, regional_);
        if (Field(line, first + width, 1) == "-") amount.sign = "-";
        return amount;
    }

    // TextToHundredths of an amount field, with plain digits read in place.
    Amount ReadHalere(std::string_view field) const {
        if (field.size() != 12) return TextToHundredths(field, regional_);
        Amount halere = 0;
        for (const char c : field) {
            if (c < '0' || c > '9') return TextToHundredths(field, regional_);
            halere = halere * 10 + (c - '0');
        }
        return halere * 100;
    }

    // FormatPlainAmount's text: for whole halere of a non-negative amount it is
    // the koruna digits, the separator and two digits, written here directly.
    void PutPlainAmount(RecordText& out, Amount value) const {
        if (value >= 0 && value % 100 == 0) {
            const Amount halere = value / 100;
            out.PutNumber(halere / 100);
            out.Put(plain_separator_);
            out.Put(static_cast<char>('0' + halere % 100 / 10));
            out.Put(static_cast<char>('0' + halere % 10));
        } else {
            out.Put(FormatPlainAmount(value, regional_));
        }
    }

    void DecodeHead(std::string_view line) {
        const std::string_view account = Field(line, 4, 16);
        // 19 characters: the 20th of the name field is never read.
        const std::string_view name = Field(line, 20, 19);
        const std::string old_date = DottedDate(Field(line, 40, 6));
        const SignedAmount old_amount = ReadAmount(line, 46, 14);
        const std::string old_balance = old_amount.Shown();
        const std::string new_balance = ReadAmount(line, 61, 14).Shown();
        const std::string debit = ReadAmount(line, 76, 14).Shown();
        const std::string credit = ReadAmount(line, 91, 14).Shown();
        const std::string_view number = Field(line, 106, 3);
        const std::string posting_date = DottedDate(Field(line, 109, 6));

        text_.append(Concat({kCrLf,
                             "******** Výpis v Kč ********"_cz,
                             kCrLf,
                             "Účet:  "_cz,
                             account,
                             kCrLf,
                             "Název účtu:  "_cz,
                             name,
                             kCrLf,
                             "Datum starého zůstatku:  "_cz,
                             old_date,
                             kCrLf,
                             "Starý zůstatek:  "_cz,
                             old_balance,
                             kCrLf,
                             "Nový zůstatek:  "_cz,
                             new_balance,
                             kCrLf,
                             "Debet:  ",
                             debit,
                             kCrLf,
                             "Kredit:  ",
                             credit,
                             kCrLf,
                             "Pořadové číslo výpisu:  "_cz,
                             number,
                             kCrLf,
                             "Datum účtování:  "_cz,
                             posting_date}));

        // A later head replaces an earlier one; item numbers go on.
        head_record_ = Concat({"[Table]<zerkonHead>",
                               kCrLf,
                               "<ID>0",
                               kCrLf,
                               "<Soubor>",
                               path_,
                               kCrLf,
                               "<Ucet>",
                               account,
                               kCrLf,
                               "<NazevUctu>",
                               name,
                               kCrLf,
                               "<DatumStary>",
                               old_date,
                               kCrLf,
                               "<ZustatekStary>",
                               old_balance,
                               kCrLf,
                               "<ZustatekNovy>",
                               new_balance,
                               kCrLf,
                               "<Debet>",
                               debit,
                               kCrLf,
                               "<Kredit>",
                               credit,
                               kCrLf,
                               "<PoradoveCislo>",
                               number,
                               kCrLf,
                               "<DatumUct>",
                               posting_date,
                               kCrLf});
        balance_ = old_amount.Signed();
    }

    void DecodeItem(std::string_view line) {
        const Amount amount = ReadHalere(Field(line, 49, 12));
        const std::string_view code = Field(line, 61, 1);

        RecordText& out = record_;
        out.Clear();
        out.Put("\r\n******** Obratová položka v Kč ********\r\nÚčet:  "_cz);
        out.PutField<20, 16>(line);
        out.Put(" / ");
        out.PutField<74, 4>(line);
        out.Put("\r\nČíslo dokladu:  "_cz);
        out.PutField<36, 13>(line);
        out.Put("\r\n");
        out.Put(PostingLabel(code));
        out.Put(":  ");
        const size_t amount_start = out.Size();
        PutPlainAmount(out, amount);
        const std::string_view amount_text = out.View().substr(amount_start);
        out.Put(" Kč\r\nVS:  "_cz);
        out.PutField<62, 10>(line);
        out.Put("\r\nKS:  ");
        out.PutField<78, 4>(line);
        out.Put("\r\nSS:  ");
        out.PutField<82, 10>(line);
        out.Put("\r\nZpráva:  "_cz);
        out.PutField<98, 20>(line);
        out.Put("\r\nDatum splatnosti:  ");
        out.PutDottedDateField<123>(line);
        text_.append(out.View());

        ++items_;
        RecordText& job = job_record_;
        job.Clear();
        job.Put("[Table]<zerkon>\r\n<ID>");
        job.PutNumber(items_);
        job.Put("\r\n<Ucet>");
        job.PutField<20, 16>(line);
        job.Put(" / ");
        job.PutField<74, 4>(line);
        job.Put("\r\n<CisloDokladu>");
        job.PutField<36, 13>(line);
        job.Put("\r\n");
        if (code == "1" || code == "2") {
            const bool debit = code == "1";
            balance_ = AddSaturating(balance_, debit ? -amount : amount);
            job.Put(debit ? "<Prachy>-" : "<Prachy>");
            job.Put(amount_text);
            job.Put("\r\n<Zustatek>");
            job.Put(FormatGeneral(balance_, regional_));
            job.Put("\r\n");
            ++(debit ? debits_ : credits_);
        }
        job.Put("<VS>");
        job.PutField<62, 10>(line);
        job.Put("\r\n");
        const std::string_view constant_symbol = Field(line, 78, 4);
        if (!IsAllZeros(constant_symbol)) {
            job.Put("<KS>");
            job.Put(constant_symbol);
            job.Put("\r\n");
        }
        const std::string_view specific_symbol = Field(line, 82, 10);
        if (!IsAllZeros(specific_symbol)) {
            job.Put("<SS>");
            job.Put(specific_symbol);
            job.Put("\r\n");
        }
        job.Put("<Zprava>");
        job.PutField<98, 20>(line);
        job.Put("\r\n<datum>");
        job.PutDottedDateField<123>(line);
        job.Put("\r\n");
        job_lines_.emplace_back(job.View());
    }

    const RegionalSettings& regional_;
    PreviewLines& preview_;
    JobLines& job_lines_;
    char plain_separator_;
    std::string_view path_;
    std::string text_;
    std::string head_record_;
    RecordText record_;
    RecordText job_record_;
    Amount balance_ = 0;
    long long items_ = 0;
    long long credits_ = 0;
    long long debits_ = 0;
};

}  // namespace

void DecodeGpc(const BankSource& source, const RegionalSettings& regional, PreviewLines& preview,
               JobLines& job_lines) {
    GpcDecoder(regional, preview, job_lines).Decode(source);
}

void DecodeGpc(const std::filesystem::path& path, PreviewLines& preview, JobLines& job_lines,
               const RegionalSettings& regional) {
    preview.clear();
    const BankFile file = ReadBankFile(path);
    const std::string path_text = PathToProgramText(path);
    DecodeGpc(BankSource{file.bytes, path_text, file.modified}, regional, preview, job_lines);
}

}  // namespace zerkon
