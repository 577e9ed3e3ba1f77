#include "bank/bank_csv.h"

#include <string>
#include <string_view>

#include "bank/decoder_text.h"
#include "bank/geminy_record.h"
#include "bank/gpc_record.h"
#include "bank/kpc_record.h"
#include "common/cp1250_literal.h"

namespace zerkon {

namespace {

void WriteHeader(CsvWriter& csv, std::initializer_list<std::string_view> names) {
    csv.Start();
    for (const std::string_view name : names) csv.Text(name);
    csv.EndRow();
}

// Posting codes 1 (debit) and 5 (storno credit) take money off the account.
bool TakesMoneyOff(std::string_view posting_code) {
    return posting_code == "1" || posting_code == "5";
}

long long WriteGpc(BankLines& lines, const RegionalSettings& regional, CsvWriter& csv) {
    WriteHeader(csv, {"Účet"_cz, "Výpis"_cz, "Protiúčet"_cz, "Částka"_cz, "Kód účtování"_cz, "VS",
                      "KS", "SS", "Zpráva"_cz, "Datum splatnosti", "Číslo dokladu"_cz});
    // The statement's cells, the same in each of its items.
    std::string statement = csv.Render([](CsvWriter& cells) {
        cells.Account({}, {});
        cells.Symbol({});
    });
    long long items = 0;
    for (std::string_view line; lines.Next(line);) {
        switch (GpcTypeOf(line)) {
            case GpcRecordType::kHead: {
                const GpcHead head = ReadGpcHead(line);
                statement = csv.Render([&](CsvWriter& cells) {
                    cells.Account(head.account, {});
                    cells.Symbol(head.number);
                });
                break;
            }
            case GpcRecordType::kItem: {
                const GpcItem item = ReadGpcItem(line);
                csv.Rendered(statement);
                csv.Account(item.counter_account, item.bank_code);
                csv.HalereAmount(item.amount, TakesMoneyOff(item.posting_code), regional);
                csv.Text(item.posting_code);
                csv.Symbol(item.variable_symbol);
                csv.Symbol(item.constant_symbol);
                csv.Symbol(item.specific_symbol);
                csv.Text(item.message);
                csv.Date(item.due_date, DateOrder::kDayMonthYear);
                csv.Symbol(item.document);
                csv.EndRow();
                ++items;
                break;
            }
            case GpcRecordType::kOther:
                break;
        }
    }
    return items;
}

long long WriteKpc(BankLines& lines, const RegionalSettings& regional, CsvWriter& csv) {
    WriteHeader(csv, {"Účet plátce"_cz, "Protiúčet"_cz, "Částka"_cz, "VS", "KS", "SS", "Splatnost",
                      "Zpráva"_cz});
    // The group's cells, the same in each of its items.
    std::string bank_code;
    std::string payer;
    std::string due_date;
    const auto group_cells = [&](std::string_view account, std::string_view date) {
        payer = csv.Render([&](CsvWriter& cells) { cells.Account(account, bank_code); });
        due_date =
            csv.Render([&](CsvWriter& cells) { cells.Date(date, DateOrder::kDayMonthYear); });
    };
    group_cells({}, {});
    long long items = 0;
    KpcLines kpc(lines);
    KpcLineKind kind;
    for (std::string_view line; kpc.Next(kind, line);) {
        if (kind == KpcLineKind::kAccountingHeader) {
            bank_code = KpcDebitedBankCode(line);
        } else if (kind == KpcLineKind::kGroup) {
            const KpcGroup group = ReadKpcGroup(line);
            group_cells(group.account, group.due_date);
        } else if (kind == KpcLineKind::kItem) {
            const KpcItem item = ReadKpcItem(line);
            csv.Rendered(payer);
            csv.Account(item.account, item.bank_code);
            csv.HalereAmount(item.amount, false, regional);
            csv.Symbol(item.variable_symbol);
            csv.Symbol(item.constant_symbol);
            csv.Symbol(item.specific_symbol);
            csv.Rendered(due_date);
            csv.Text(item.message);
            csv.EndRow();
            ++items;
        }
    }
    return items;
}

long long WriteGeminy(BankLines& lines, const RegionalSettings& regional, CsvWriter& csv) {
    WriteHeader(csv, {"Účet plátce"_cz, "Protiúčet"_cz, "Částka"_cz, "VS", "KS", "SS", "Splatnost",
                      "Zpráva"_cz, "Název protiúčtu"_cz});
    // The debited side and the due date are line 1's, even when it is empty.
    std::string payer;
    std::string due_date;
    long long items = 0;
    bool first = true;
    for (std::string_view line; lines.Next(line);) {
        const GeminyOrder order = ReadGeminyOrder(line);
        if (first) {
            payer = csv.Render([&](CsvWriter& cells) {
                cells.Account(order.debited_account, order.debited_bank_code);
            });
            due_date = csv.Render(
                [&](CsvWriter& cells) { cells.Date(order.due_date, DateOrder::kYearMonthDay); });
            first = false;
        }
        if (line.empty()) continue;
        csv.Rendered(payer);
        csv.Account(order.credited_account, order.credited_bank_code);
        csv.HalereAmount(order.amount, false, regional);
        csv.Symbol(order.variable_symbol);
        csv.Symbol(order.constant_symbol);
        csv.Symbol(order.specific_symbol);
        csv.Rendered(due_date);
        csv.Text(order.information);
        csv.Text(order.credited_name);
        csv.EndRow();
        ++items;
    }
    return items;
}

}  // namespace

Result<long long> WriteBankCsv(BankFormat format, BankLines& lines,
                               const RegionalSettings& regional, CsvEncoding encoding,
                               OutputText& out) {
    CsvWriter csv(out, CsvSettingsFor(regional, encoding));
    long long items = 0;
    switch (format) {
        case BankFormat::kKpc:
            items = WriteKpc(lines, regional, csv);
            break;
        case BankFormat::kGpc:
            items = WriteGpc(lines, regional, csv);
            break;
        case BankFormat::kGeminy:
            items = WriteGeminy(lines, regional, csv);
            break;
    }
    if (!lines.status().ok()) return lines.status();
    out.Finish();
    if (!out.status().ok()) return out.status();
    return items;
}

Result<long long> WriteBankCsv(BankFormat format, FileSystem& files,
                               const std::filesystem::path& file, const RegionalSettings& regional,
                               CsvEncoding encoding, OutputText& out) {
    Result<BankLines> lines = BankLines::Open(files, file);
    if (!lines.ok()) return lines.status();
    return WriteBankCsv(format, *lines, regional, encoding, out);
}

}  // namespace zerkon
