// The sample files of each format against previews and print data derived by
// hand from the formats' rules.

#include <gtest/gtest.h>

#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank_test_support.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

using testing::Held;
using testing::ReadBankData;

const RegionalSettings kCzech = RegionalSettings::Czech();

std::string Kpc(const std::string& sample) {
    const std::string bytes = ReadBankData(sample);
    EXPECT_FALSE(bytes.empty()) << sample;
    return Held([&](OutputText& out) {
        DecodeKpc(BankSource{bytes, "C:\\Banka\\platby.kpc", {2009, 3, 7}}, kCzech, out);
    });
}

TEST(KpcGolden, OneGroupWithTwoItems) {
    EXPECT_EQ(Kpc("kpc_one_group.kpc"), ReadBankData("kpc_one_group.expected"));
}

TEST(KpcGolden, TwoGroupsEmptyItemAndLinesAfterTheEnd) {
    EXPECT_EQ(Kpc("kpc_two_groups.kpc"), ReadBankData("kpc_two_groups.expected"));
}

TEST(GpcGolden, StatementPreviewAndPrintData) {
    const std::string bytes = ReadBankData("gpc_statement.gpc");
    OutputText preview;
    OutputText records;
    DecodeGpc(BankSource{bytes, "C:\\Banka\\vypis.gpc", {}}, kCzech, preview, records);
    EXPECT_EQ(preview.Take(), ReadBankData("gpc_statement.expected"));
    EXPECT_EQ(records.Take(), ReadBankData("gpc_statement.job"));
}

TEST(GpcGolden, TwoStatementsNegativeOldBalanceLfLines) {
    const std::string bytes = ReadBankData("gpc_two_statements.gpc");
    OutputText preview;
    OutputText records;
    DecodeGpc(BankSource{bytes, "C:\\Banka\\vypis.gpc", {}}, kCzech, preview, records);
    EXPECT_EQ(records.Take(), ReadBankData("gpc_two_statements.job"));
    // The first head shows its sign in the preview.
    EXPECT_EQ(testing::Lines(preview.Take()).at(7), "Starý zůstatek:  -100,00 Kč"_cz);
}

TEST(GeminyGolden, OrdersWithTheHeaderFromLineOne) {
    const std::string bytes = ReadBankData("geminy_orders.gem");
    EXPECT_EQ(
        Held([&](OutputText& out) {
            DecodeGeminy(BankSource{bytes, "C:\\Banka\\prikazy.gem", {2026, 12, 15}}, kCzech, out);
        }),
        ReadBankData("geminy_orders.expected"));
}

}  // namespace
}  // namespace zerkon
