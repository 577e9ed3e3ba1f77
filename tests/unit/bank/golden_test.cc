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

using testing::AsText;
using testing::ReadBankData;

const RegionalSettings kCzech = RegionalSettings::Czech();

TEST(KpcGolden, OneGroupWithTwoItems) {
    const std::string bytes = ReadBankData("kpc_one_group.kpc");
    ASSERT_FALSE(bytes.empty());
    PreviewLines preview{"left over"};
    DecodeKpc(BankSource{bytes, "C:\\Banka\\platby.kpc", {2009, 3, 7}}, kCzech, preview);
    EXPECT_EQ(AsText(preview), ReadBankData("kpc_one_group.expected"));
}

TEST(KpcGolden, TwoGroupsEmptyItemAndLinesAfterTheEnd) {
    const std::string bytes = ReadBankData("kpc_two_groups.kpc");
    PreviewLines preview;
    DecodeKpc(BankSource{bytes, "C:\\Banka\\platby.kpc", {2009, 3, 7}}, kCzech, preview);
    EXPECT_EQ(AsText(preview), ReadBankData("kpc_two_groups.expected"));
}

TEST(GpcGolden, StatementPreviewAndPrintData) {
    const std::string bytes = ReadBankData("gpc_statement.gpc");
    PreviewLines preview{"left over"};
    JobLines job{"[ExtProgram]Zerkon", "[DataArea]"};
    DecodeGpc(BankSource{bytes, "C:\\Banka\\vypis.gpc", {}}, kCzech, preview, job);
    EXPECT_EQ(AsText(preview), ReadBankData("gpc_statement.expected"));
    // The job's head stays; the records follow it.
    ASSERT_GE(job.size(), 2u);
    EXPECT_EQ(job[0], "[ExtProgram]Zerkon");
    EXPECT_EQ(job[1], "[DataArea]");
    job.erase(job.begin(), job.begin() + 2);
    EXPECT_EQ(AsText(job), ReadBankData("gpc_statement.job"));
}

TEST(GpcGolden, TwoStatementsNegativeOldBalanceLfLines) {
    const std::string bytes = ReadBankData("gpc_two_statements.gpc");
    PreviewLines preview;
    JobLines job;
    DecodeGpc(BankSource{bytes, "C:\\Banka\\vypis.gpc", {}}, kCzech, preview, job);
    EXPECT_EQ(AsText(job), ReadBankData("gpc_two_statements.job"));
    // The first head shows its sign in the preview.
    EXPECT_EQ(PreviewEntriesToLines(preview).at(7), "Starý zůstatek:  -100,00 Kč"_cz);
}

TEST(GeminyGolden, OrdersWithTheHeaderFromLineOne) {
    const std::string bytes = ReadBankData("geminy_orders.gem");
    PreviewLines preview;
    DecodeGeminy(BankSource{bytes, "C:\\Banka\\prikazy.gem", {2026, 12, 15}}, kCzech, preview);
    EXPECT_EQ(AsText(preview), ReadBankData("geminy_orders.expected"));
}

}  // namespace
}  // namespace zerkon
