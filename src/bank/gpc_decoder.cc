#include "bank/gpc_decoder.h"

#include <optional>
#include <string>

#include "bank/decoder_text.h"
#include "bank/gpc_record.h"
#include "common/cp1250_literal.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"

namespace zerkon {

namespace {

using namespace bank_text;

// The most each record writes: its labels and line breaks with the widest
// fields and amounts. Only room is reserved from them, so a generous figure
// costs nothing.
constexpr std::size_t kHeadPreviewMax = 400;
constexpr std::size_t kHeadPreviewLines = 10;
constexpr std::size_t kItemPreviewMax = 270;
constexpr std::size_t kItemPreviewLines = 9;
constexpr std::size_t kPreviewFrameMax = 400;  // header and summary, without the path
constexpr std::size_t kPreviewFrameLines = 7;
constexpr std::size_t kItemRecordMax = 280;
constexpr std::size_t kHeadRecordMax = 600;  // without the path

std::string_view PostingLabel(std::string_view code) {
    if (code == "1") return "Debet";
    if (code == "2") return "Kredit";
    if (code == "4") return "Storno debet";
    if (code == "5") return "Storno kredit";
    return {};
}

// A signed amount as shown: sign + amount + " Kč".
void AppendShownAmount(OutputText& out, const GpcSignedField& field,
                       const RegionalSettings& regional) {
    if (field.negative) out.Append('-');
    out.Append(PlainAmountText(HalereField(field.halere, regional), regional).View());
    out.Append(" Kč"_cz);
}

Amount SignedValue(const GpcSignedField& field, const RegionalSettings& regional) {
    const Amount value = HalereField(field.halere, regional);
    return field.negative ? -value : value;
}

void AppendHeadPreview(OutputText& out, const GpcHead& head, const RegionalSettings& regional) {
    out.Append("******** Výpis v Kč ********\r\nÚčet:  "_cz);
    out.Append(head.account);
    out.Append("\r\nNázev účtu:  "_cz);
    out.Append(head.name);
    out.Append("\r\nDatum starého zůstatku:  "_cz);
    AppendDottedDate(out, head.old_balance_date);
    out.Append("\r\nStarý zůstatek:  "_cz);
    AppendShownAmount(out, head.old_balance, regional);
    out.Append("\r\nNový zůstatek:  "_cz);
    AppendShownAmount(out, head.new_balance, regional);
    out.Append("\r\nDebet:  ");
    AppendShownAmount(out, head.debit, regional);
    out.Append("\r\nKredit:  ");
    AppendShownAmount(out, head.credit, regional);
    out.Append("\r\nPořadové číslo výpisu:  "_cz);
    out.Append(head.number);
    out.Append("\r\nDatum účtování:  "_cz);
    AppendDottedDate(out, head.accounting_date);
    out.Append(kCrLf);
}

void AppendHeadRecord(OutputText& out, const GpcHead& head, std::string_view path,
                      const RegionalSettings& regional) {
    out.Append("[Table]<zerkonHead>\r\n<ID>0\r\n<Soubor>");
    out.Append(path);
    out.Append("\r\n<Ucet>");
    out.Append(head.account);
    out.Append("\r\n<NazevUctu>");
    out.Append(head.name);
    out.Append("\r\n<DatumStary>");
    AppendDottedDate(out, head.old_balance_date);
    out.Append("\r\n<ZustatekStary>");
    AppendShownAmount(out, head.old_balance, regional);
    out.Append("\r\n<ZustatekNovy>");
    AppendShownAmount(out, head.new_balance, regional);
    out.Append("\r\n<Debet>");
    AppendShownAmount(out, head.debit, regional);
    out.Append("\r\n<Kredit>");
    AppendShownAmount(out, head.credit, regional);
    out.Append("\r\n<PoradoveCislo>");
    out.Append(head.number);
    out.Append("\r\n<DatumUct>");
    AppendDottedDate(out, head.accounting_date);
    out.Append(kCrLf);
}

void AppendItemPreview(OutputText& out, const GpcItem& item, std::string_view amount) {
    out.Append("******** Obratová položka v Kč ********\r\nÚčet:  "_cz);
    out.Append(item.counter_account);
    out.Append(" / ");
    out.Append(item.bank_code);
    out.Append("\r\nČíslo dokladu:  "_cz);
    out.Append(item.document);
    out.Append(kCrLf);
    out.Append(PostingLabel(item.posting_code));
    out.Append(":  ");
    out.Append(amount);
    out.Append(" Kč\r\nVS:  "_cz);
    out.Append(item.variable_symbol);
    out.Append("\r\nKS:  ");
    out.Append(item.constant_symbol);
    out.Append("\r\nSS:  ");
    out.Append(item.specific_symbol);
    out.Append("\r\nZpráva:  "_cz);
    out.Append(item.message);
    out.Append("\r\nDatum splatnosti:  ");
    AppendDottedDate(out, item.due_date);
    out.Append(kCrLf);
}

// What an item changes in the print data beyond itself.
struct Posting {
    bool debit = false;
    bool credit = false;
    Amount balance = 0;  // after the item, for debits and credits
};

void AppendItemRecord(OutputText& out, const GpcItem& item, long long number,
                      std::string_view amount, const Posting& posting,
                      const RegionalSettings& regional) {
    out.Append("[Table]<zerkon>\r\n<ID>");
    out.AppendNumber(number);
    out.Append("\r\n<Ucet>");
    out.Append(item.counter_account);
    out.Append(" / ");
    out.Append(item.bank_code);
    out.Append("\r\n<CisloDokladu>");
    out.Append(item.document);
    out.Append(kCrLf);
    if (posting.debit || posting.credit) {
        out.Append(posting.debit ? "<Prachy>-" : "<Prachy>");
        out.Append(amount);
        out.Append("\r\n<Zustatek>");
        out.Append(GeneralAmountText(posting.balance, regional).View());
        out.Append(kCrLf);
    }
    out.Append("<VS>");
    out.Append(item.variable_symbol);
    out.Append(kCrLf);
    if (!IsAllZeros(item.constant_symbol)) {
        out.Append("<KS>");
        out.Append(item.constant_symbol);
        out.Append(kCrLf);
    }
    if (!IsAllZeros(item.specific_symbol)) {
        out.Append("<SS>");
        out.Append(item.specific_symbol);
        out.Append(kCrLf);
    }
    out.Append("<Zprava>");
    out.Append(item.message);
    out.Append("\r\n<datum>");
    AppendDottedDate(out, item.due_date);
    out.Append(kCrLf);
}

class GpcDecoder {
  public:
    GpcDecoder(BankLines& lines, std::string_view path, const RegionalSettings& regional,
               OutputText& preview, OutputText& records)
        : lines_(lines), path_(path), regional_(regional), preview_(preview), records_(records) {}

    Status Decode() {
        if (preview_.held() || records_.held()) {
            if (Status room = ExpectOutput(); !room.ok()) return room;
            lines_.Rewind();
        }
        if (preview_.wanted()) {
            preview_.Append("Soubor:  ");
            preview_.Append(path_);
            preview_.Append(kCrLf);
            preview_.Append(Stars(70));
            preview_.Append(kCrLf);
        }
        for (std::string_view line; lines_.Next(line);) {
            // Every line starts with an empty preview line; a line of another
            // type shows nothing else.
            if (preview_.wanted()) preview_.Append(kCrLf);
            switch (GpcTypeOf(line)) {
                case GpcRecordType::kHead:
                    OnHead(line);
                    break;
                case GpcRecordType::kItem:
                    OnItem(ReadGpcItem(line));
                    break;
                case GpcRecordType::kOther:
                    break;
            }
            preview_.EndRecord();
            records_.EndRecord();
        }
        if (!lines_.status().ok()) return lines_.status();
        if (preview_.wanted()) AppendSummary();
        if (records_.wanted()) AppendLastRecord();
        preview_.Finish();
        records_.Finish();
        return preview_.status();
    }

  private:
    // Room for the largest output the lines can give, and nothing for lines
    // that show as empty lines only.
    Status ExpectOutput() {
        std::size_t heads = 0, items = 0, lines = 0;
        for (std::string_view line; lines_.Next(line);) {
            ++lines;
            const GpcRecordType type = GpcTypeOf(line);
            heads += type == GpcRecordType::kHead;
            items += type == GpcRecordType::kItem;
        }
        if (!lines_.status().ok()) return lines_.status();
        if (preview_.wanted()) {
            Status room =
                preview_.Expect({.bytes = kPreviewFrameMax + path_.size() + 2 * lines +
                                          heads * kHeadPreviewMax + items * kItemPreviewMax,
                                 .lines = kPreviewFrameLines + lines + heads * kHeadPreviewLines +
                                          items * kItemPreviewLines});
            if (!room.ok()) return room;
        }
        if (!records_.wanted()) return Status::Ok();
        return records_.Expect(
            {.bytes = kHeadRecordMax + path_.size() + items * kItemRecordMax, .lines = 0});
    }

    void OnHead(std::string_view line) {
        const GpcHead head = ReadGpcHead(line);
        if (preview_.wanted()) AppendHeadPreview(preview_, head, regional_);
        // A later head replaces an earlier one; item numbers go on.
        last_head_line_ = line;
        balance_ = SignedValue(head.old_balance, regional_);
    }

    void OnItem(const GpcItem& item) {
        const Amount amount = HalereField(item.amount, regional_);
        const PlainAmountText amount_text(amount, regional_);
        ++items_;
        Posting posting;
        if (item.posting_code == "1") {
            posting.debit = true;
            balance_ = AddSaturating(balance_, -amount);
            ++debits_;
        } else if (item.posting_code == "2") {
            posting.credit = true;
            balance_ = AddSaturating(balance_, amount);
            ++credits_;
        }
        posting.balance = balance_;
        if (preview_.wanted()) AppendItemPreview(preview_, item, amount_text.View());
        if (records_.wanted()) {
            AppendItemRecord(records_, item, items_, amount_text.View(), posting, regional_);
            records_.Append(kCrLf);
        }
    }

    void AppendSummary() {
        preview_.Append(Stars(40));
        preview_.Append("\r\nCelkový počet kredit: "_cz);
        preview_.AppendNumber(credits_);
        preview_.Append("\r\nCelkový počet debet:  "_cz);
        preview_.AppendNumber(debits_);
        preview_.Append("\r\nCelkový počet řádků:  "_cz);
        preview_.AppendNumber(items_);
        preview_.Append(kCrLf);
        preview_.Append(Stars(40));
        preview_.Append(kCrLf);
    }

    // The head record of the last statement with the counts; without a head,
    // the counts alone.
    void AppendLastRecord() {
        if (last_head_line_) {
            AppendHeadRecord(records_, ReadGpcHead(*last_head_line_), path_, regional_);
        }
        records_.Append("<Pocet>");
        records_.AppendNumber(items_);
        records_.Append("\r\n<PocetKredit>");
        records_.AppendNumber(credits_);
        records_.Append("\r\n<PocetDebet>");
        records_.AppendNumber(debits_);
        records_.Append("\r\n\r\n");
    }

    BankLines& lines_;
    std::string_view path_;
    const RegionalSettings& regional_;
    OutputText& preview_;
    OutputText& records_;
    std::optional<std::string> last_head_line_;
    Amount balance_ = 0;
    long long items_ = 0;
    long long credits_ = 0;
    long long debits_ = 0;
};

}  // namespace

Status DecodeGpc(const BankSource& source, const RegionalSettings& regional, OutputText& preview,
                 OutputText& records) {
    BankLines lines(source.bytes);
    return GpcDecoder(lines, source.path, regional, preview, records).Decode();
}

Status DecodeGpc(FileSystem& files, const std::filesystem::path& path,
                 const RegionalSettings& regional, OutputText& preview, OutputText& records) {
    Result<OpenedBankFile> file = OpenedBankFile::Open(files, path);
    if (!file.ok()) return file.status();
    return GpcDecoder(file->lines, file->path, regional, preview, records).Decode();
}

}  // namespace zerkon
