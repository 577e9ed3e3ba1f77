#include "bank/gpc_decoder.h"

#include <string>

#include "bank/decoder_text.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

// A signed amount field: digits of halere followed by a sign character.
struct SignedAmount {
    std::string_view sign;  // "-" or empty
    Amount value = 0;       // without the sign
    std::string text;       // "###0.00", without the sign

    Amount Signed() const { return sign.empty() ? value : -value; }
    // As shown: sign + amount + " Kč".
    std::string Shown() const { return Concat({sign, text, " Kč"}); }
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
        : regional_(regional), preview_(preview), job_lines_(job_lines) {}

    void Decode(const BankSource& source) {
        path_ = source.path;
        preview_.clear();
        AddConcat(preview_, {"Soubor:  ", source.path, kCrLf, Stars(70)});
        const std::vector<std::string_view> lines = SplitLines(source.bytes);
        // Items, the most common lines, take ten entries and one job record.
        preview_.reserve(lines.size() * 11 + 2);
        job_lines_.reserve(job_lines_.size() + lines.size() + 1);
        for (const std::string_view line : lines) {
            preview_.emplace_back();
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
        AddConcat(preview_, {Stars(40), kCrLf, "Celkový počet kredit: ", credits, kCrLf,
                             "Celkový počet debet:  ", debits, kCrLf,
                             "Celkový počet řádků:  ", items, kCrLf, Stars(40)});
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

        preview_.emplace_back("******** Výpis v Kč ********");
        AddConcat(preview_, {"Účet:  ", account});
        AddConcat(preview_, {"Název účtu:  ", name});
        AddConcat(preview_, {"Datum starého zůstatku:  ", old_date});
        AddConcat(preview_, {"Starý zůstatek:  ", old_balance});
        AddConcat(preview_, {"Nový zůstatek:  ", new_balance});
        AddConcat(preview_, {"Debet:  ", debit});
        AddConcat(preview_, {"Kredit:  ", credit});
        AddConcat(preview_, {"Pořadové číslo výpisu:  ", number});
        AddConcat(preview_, {"Datum účtování:  ", posting_date});

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
        const std::string_view account = Field(line, 20, 16);
        const std::string_view bank_code = Field(line, 74, 4);
        const std::string_view document = Field(line, 36, 13);
        const Amount amount = TextToHundredths(Field(line, 49, 12), regional_);
        const std::string amount_text = FormatPlainAmount(amount, regional_);
        const std::string_view code = Field(line, 61, 1);
        const std::string_view variable_symbol = Field(line, 62, 10);
        const std::string_view constant_symbol = Field(line, 78, 4);
        const std::string_view specific_symbol = Field(line, 82, 10);
        const std::string_view message = Field(line, 98, 20);
        const std::string due_date = DottedDate(Field(line, 123, 6));

        preview_.emplace_back("******** Obratová položka v Kč ********");
        AddConcat(preview_, {"Účet:  ", account, " / ", bank_code});
        AddConcat(preview_, {"Číslo dokladu:  ", document});
        AddConcat(preview_, {PostingLabel(code), ":  ", amount_text, " Kč"});
        AddConcat(preview_, {"VS:  ", variable_symbol});
        AddConcat(preview_, {"KS:  ", constant_symbol});
        AddConcat(preview_, {"SS:  ", specific_symbol});
        AddConcat(preview_, {"Zpráva:  ", message});
        AddConcat(preview_, {"Datum splatnosti:  ", due_date});

        ++items_;
        const std::string item_number = std::to_string(items_);
        std::string balance;
        TextParts record;
        record.Add({"[Table]<zerkon>", kCrLf, "<ID>", item_number, kCrLf, "<Ucet>", account, " / ",
                    bank_code, kCrLf, "<CisloDokladu>", document, kCrLf});
        if (code == "1" || code == "2") {
            const bool debit = code == "1";
            balance_ = AddSaturating(balance_, debit ? -amount : amount);
            balance = FormatGeneral(balance_, regional_);
            record.Add(
                {"<Prachy>", debit ? "-" : "", amount_text, kCrLf, "<Zustatek>", balance, kCrLf});
            ++(debit ? debits_ : credits_);
        }
        record.Add({"<VS>", variable_symbol, kCrLf});
        if (!IsAllZeros(constant_symbol)) record.Add({"<KS>", constant_symbol, kCrLf});
        if (!IsAllZeros(specific_symbol)) record.Add({"<SS>", specific_symbol, kCrLf});
        record.Add({"<Zprava>", message, kCrLf, "<datum>", due_date, kCrLf});
        job_lines_.push_back(record.Build());
    }

    const RegionalSettings& regional_;
    PreviewLines& preview_;
    JobLines& job_lines_;
    std::string_view path_;
    std::string head_record_;
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
