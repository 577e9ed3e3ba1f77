// The CSV of bank files: one item of each format, the cells that spreadsheets would otherwise
// change, a statement byte for byte, and "Uložit CSV".

#include "bank/bank_csv.h"

#include <gtest/gtest.h>

#include "../common/fake_file_system.h"
#include "../print/fake_message_boxes.h"
#include "bank/bank_csv_flow.h"
#include "bank_test_support.h"
#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

namespace fs = std::filesystem;

// Fixed-width fields one after the other.
std::string Join(std::initializer_list<std::string_view> fields) {
    std::string line;
    for (const std::string_view field : fields) line += field;
    return line;
}

TEST(BankCsv, OneItemOfEachFormat) {
    // The fields one after the other, as gpc_record.h and geminy_record.h list them.
    const std::string gpc_head =
        Join({"074", "0000192000145399", "Novák a syn         "_cz, "010309", "00000001234550+",
              "00000001185050+", "00000000060500+", "00000000011000+", "123", "310309\r\n"});
    const struct {
        const char* what;
        BankFormat format;
        std::string file;
        RegionalSettings regional;
        std::string rows;  // Windows-1250, after the header
    } cases[] = {
        {"GPC storno credit, a quote and the separator in the message, English settings",
         BankFormat::kGpc,
         gpc_head + Join({"075", "0000192000145399", "0000192000145300", "0000000000042",
                          "000000012345", "5", "0000001234", "00", "0800", "0308", "0000000000",
                          "000000", "Platba \"A\", 2009    ", "00203", "050309\r\n"}),
         RegionalSettings::English(),
         "19-2000145399,123,19-2000145300/0800,-123.45,5,1234,308,,\"Platba \"\"A\"\", "
         "2009\",05.03.2009,42\r\n"},
        {"GPC debit before any head; no counter-account, a date that is no day", BankFormat::kGpc,
         Join({"075", "0000000000000000", "0000000000000000", "0000000000000", "000000000010", "1",
               "0000000000", "00", "0000", "0000", "0000000000", "000000", "Poplatek            ",
               "00203", "310209\r\n"}),
         RegionalSettings::Czech(), ";;;-0,10;1;;;;Poplatek;310209;\r\n"},
        {"KPC: accounts with prefixes, the group's due date, a message a spreadsheet would run",
         BankFormat::kKpc,
         "UHL1150324FIRMA\r\n1 1501 001000 2010\r\n2 000000-2900123456 000000000150050 200324\r\n"
         "000019-2000145399 000000000150050 0020240001 08000308 0000000123 =HYPERLINK(\"x\")\r\n"
         "5 +\r\n",
         RegionalSettings::Czech(),
         "2900123456/2010;19-2000145399/0800;1500,50;20240001;308;123;20.03.2024;"
         "\"=\"\"=HYPERLINK(\"\"\"\"x\"\"\"\")\"\"\"\r\n"},
        {"Geminy: YYMMDD due date of line 1, a number longer than spreadsheets hold",
         BankFormat::kGeminy,
         Join({"000001", "11", "240320", "0800", "   ", "0300", "   ", "000000000010050", "240320",
               "0000000308", "0000000055", "0000000012", "0000191234567890", "0000001111222222",
               "12345678901234567" + std::string(123, ' '), "Firma s.r.o.        ",
               "Dodavatel Šťastný   \r\n"_cz}),
         RegionalSettings::Czech(),
         "19-1234567890/0800;1111222222/0300;100,50;55;308;12;20.03.2024;"
         "\"=\"\"12345678901234567\"\"\";Dodavatel Šťastný\r\n"_cz},
    };
    for (const auto& c : cases) {
        BankLines lines(c.file);
        OutputText out;
        const Result<long long> items =
            WriteBankCsv(c.format, lines, c.regional, CsvEncoding::kWindows1250, out);
        const std::string csv = out.Take();
        EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), c.rows) << c.what;
        EXPECT_EQ(items.value_or(-1), 1) << c.what;
    }
}

// Each rule on its own cell, through a writer of one row.
TEST(BankCsv, CellsKeepWhatSpreadsheetsWouldChange) {
    const std::pair<std::function<void(CsvWriter&)>, std::string> cells[] = {
        {[](auto& w) { w.Account("0000000000000000", "0000"); }, ""},
        {[](auto& w) { w.Account(" 12-00034 ", "0100"); }, "12-34/0100"},
        {[](auto& w) { w.Account("123/0300", "0800"); }, "123/0300/0800"},
        {[](auto& w) { w.Account("00000000000000000000", "0300"); }, "0/0300"},
        {[](auto& w) { w.Account("0-1234567890123456", ""); }, "\"=\"\"1234567890123456\"\"\""},
        {[](auto& w) { w.Text(std::string(2, '\0') + "1234567890123456"); },
         "\"=\"\"  1234567890123456\"\"\""},
        {[](auto& w) { w.Symbol("0000"); }, ""},
        {[](auto& w) { w.Symbol("0012345678901234567"); }, "\"=\"\"12345678901234567\"\"\""},
        {[](auto& w) { w.Symbol("00A1"); }, "00A1"},
        {[](auto& w) { w.Date("290200", DateOrder::kDayMonthYear); }, "29.02.2000"},
        {[](auto& w) { w.Date("290201", DateOrder::kDayMonthYear); }, "290201"},
        {[](auto& w) { w.Date("991231", DateOrder::kYearMonthDay); }, "31.12.1999"},
        {[](auto& w) { w.Date("000000", DateOrder::kDayMonthYear); }, ""},
        {[](auto& w) { w.Amount(-50); }, "-0,01"},
        {[](auto& w) { w.Amount(-49); }, "0,00"},
        {[](auto& w) { w.Amount(std::numeric_limits<Amount>::min()); }, "-922337203685477,58"},
        // clang does not instantiate a _cz literal inside a generic lambda: the type named here.
        {[](CsvWriter& w) { w.Text("-5 Kč; \"sleva\"  "_cz); },
         "\"=\"\"-5 Kč; \"\"\"\"sleva\"\"\"\"\"\"\""_cz},
        {[](auto& w) { w.Text("1 234 567 890 123 456,7"); },
         "\"=\"\"1 234 567 890 123 456,7\"\"\""},
        {[](auto& w) { w.Text("=" + std::string(300, 'x')); },
         "\"=\"\"=" + std::string(254, 'x') + "\"\"&\"\"" + std::string(46, 'x') + "\"\"\""},
    };
    for (const auto& [write, expected] : cells) {
        OutputText out;
        CsvWriter writer(out, CsvSettingsFor(RegionalSettings::Czech(), CsvEncoding::kWindows1250));
        write(writer);
        writer.EndRow();
        EXPECT_EQ(out.Take(), expected + "\r\n");
    }
}

TEST(BankCsv, SeparatorsFollowTheUserSettingsWithoutClashing) {
    // The list separator, the decimal separator, and the file's separator.
    for (const auto& [list, decimal, expected] :
         std::vector<std::array<char, 3>>{{',', ',', ';'}, {'x', '.', ','}, {'\t', '.', '\t'}}) {
        RegionalSettings regional = RegionalSettings::Czech();
        std::tie(regional.list_separator, regional.decimal_separator) = std::pair(list, decimal);
        EXPECT_EQ(CsvSettingsFor(regional, CsvEncoding::kUtf8).separator, expected);
    }
}

// "Uložit CSV": the dialog at the bank file, the statement byte for byte in the type chosen, what
// the user is told. Every fault of the writing is write_faults_test's.
TEST(BankCsvFlow, SavesTheFileShownWhereTheUserChooses) {
    const fs::path gpc = testing::BankDataPath("gpc_statement.gpc"), target = "/out/vypis.csv";
    const std::string bank_file = testing::ReadBankData("gpc_statement.gpc");
    const std::string golden = testing::ReadBankData("gpc_statement.csv");
    testing::FakeFileSystem files;
    files.AddFolder("/out");
    files.Put(gpc, bank_file);
    testing::FakeMessageBoxes boxes;
    testing::FakeSaveDialog dialog;
    BankCsvFlow flow(dialog, files, RegionalSettings::Czech(), boxes);

    flow.Save(BankFormat::kGpc, std::nullopt);  // nothing shown yet
    flow.Save(BankFormat::kGpc, gpc);           // cancelled
    EXPECT_EQ(dialog.asked, std::vector{CsvDialogFilter() + "|" +
                                        gpc.parent_path().generic_string() + "|gpc_statement.csv"});
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(files.files.size(), 1u);  // the bank file alone

    dialog.answer = SaveChoice{target, 2};  // Windows-1250
    flow.Save(BankFormat::kGpc, gpc);
    EXPECT_EQ(Cp1250ToUtf8(files.Bytes(target).value_or("")), golden.substr(3));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Do souboru \"/out/vypis.csv\" bylo uloženo položek: 4."_cz);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);

    // The bank file itself is never the target, and a bank file that is gone leaves the target as
    // it was.
    for (const fs::path& answer : {gpc, target}) {
        dialog.answer = SaveChoice{answer, 1};
        flow.Save(BankFormat::kGpc, gpc);
        flow.Save(BankFormat::kKpc, gpc.parent_path() / "gone.kpc");
    }
    EXPECT_EQ(files.Bytes(gpc), bank_file);
    EXPECT_EQ(files.Bytes(target), golden);
    ASSERT_EQ(boxes.shown.size(), 5u);
    EXPECT_NE(boxes.shown[1].text.find("gpc_statement.gpc\" nelze uložit. Je to soubor"_cz),
              std::string::npos)
        << boxes.shown[1].text;
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Error);
    EXPECT_NE(boxes.shown[2].text.find("gone.kpc\"."), std::string::npos) << boxes.shown[2].text;
}

}  // namespace
}  // namespace zerkon
