// Public bank files from other projects: every one decodes, and the facts
// that can be checked against the files themselves hold.

#include <gtest/gtest.h>

#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank_test_support.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

using testing::BankDataPath;
using testing::Held;
using testing::Lines;

TEST(RealSamples, EveryFileDecodesThroughItsPath) {
    const char* const kpc[] = {"pyabo_cs_inkaso_1item.kpc", "pyabo_fio_3items.kpc",
                               "shevyy_expected_raiffeisen.kpc"};
    const char* const gpc[] = {"jan-oubram_sample.gpc",        "k3a-ago_fio.gpc",
                               "shopeca_bank_fio.gpc",         "spojenet_basic_format.gpc",
                               "spojenet_extended_format.gpc", "spojenet_malformed.gpc"};
    const RegionalSettings czech = RegionalSettings::Czech();
    for (const char* name : kpc) {
        const std::vector<std::string> lines = Lines(Held([&](OutputText& out) {
            DecodeKpc(testing::Disk(), BankDataPath(std::string("real/") + name), czech, out);
        }));
        EXPECT_GE(lines.size(), 5u) << name;
        EXPECT_TRUE(lines[0].ends_with(name)) << name;
    }
    for (const char* name : gpc) {
        OutputText preview;
        OutputText records;
        DecodeGpc(testing::Disk(), BankDataPath(std::string("real/") + name), czech, preview,
                  records);
        EXPECT_GE(testing::Records(records.Take()).size(), 1u) << name;
    }
    const std::vector<std::string> lines = Lines(Held([&](OutputText& out) {
        DecodeGeminy(testing::Disk(), BankDataPath("real/ciki_gemini_v104_3items.gem"), czech, out);
    }));
    EXPECT_EQ(lines[4], "Druh platebního styku:  platební příkaz k úhradě"_cz);
    EXPECT_EQ(lines[lines.size() - 3], "Celkový počet řádků:  3"_cz);
}

TEST(RealSamples, FioStatementRunningBalanceEndsAtTheNewBalance) {
    OutputText preview;
    OutputText records;
    DecodeGpc(testing::Disk(), BankDataPath("real/shopeca_bank_fio.gpc"), RegionalSettings::Czech(),
              preview, records);
    const std::vector<std::string> job = testing::Records(records.Take());
    ASSERT_EQ(job.size(), 36u);
    EXPECT_NE(job[34].find("<Zustatek>363939,36\r\n"), std::string::npos);
    EXPECT_NE(job[35].find("<NazevUctu>stewal-group s.r.o.\r\n"), std::string::npos);
    EXPECT_NE(job[35].find("<ZustatekNovy>363939,36 Kč\r\n"_cz), std::string::npos);
    EXPECT_TRUE(job[35].ends_with(
        "<Pocet>35\r\n<PocetKredit>" +
        std::to_string(std::count_if(job.begin(), job.end(),
                                     [](const std::string& r) {
                                         return r.find("<Prachy>") != std::string::npos &&
                                                r.find("<Prachy>-") == std::string::npos;
                                     })) +
        "\r\n<PocetDebet>" +
        std::to_string(std::count_if(
            job.begin(), job.end(),
            [](const std::string& r) { return r.find("<Prachy>-") != std::string::npos; })) +
        "\r\n"));
}

TEST(RealSamples, KpcWithTwoGroupsAndNoFinalLineBreak) {
    const std::vector<std::string> lines = Lines(Held([](OutputText& out) {
        DecodeKpc(testing::Disk(), BankDataPath("real/shevyy_expected_raiffeisen.kpc"),
                  RegionalSettings::Czech(), out);
    }));
    // 150050 + 275000 + 50075 halere.
    EXPECT_EQ(lines[lines.size() - 3], "Celkový počet řádků:  3"_cz);
    EXPECT_EQ(lines[lines.size() - 2], "Celková částka k proplacení:  4 751,25"_cz);
    EXPECT_EQ(lines[5], "Na vrub účtu:  123456-1234567890 / 5500"_cz);
}

}  // namespace
}  // namespace zerkon
