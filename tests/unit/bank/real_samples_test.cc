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

TEST(RealSamples, EveryFileDecodesThroughItsPath) {
    const char* const kpc[] = {"pyabo_cs_inkaso_1item.kpc", "pyabo_fio_3items.kpc",
                               "shevyy_expected_raiffeisen.kpc"};
    const char* const gpc[] = {"jan-oubram_sample.gpc",        "k3a-ago_fio.gpc",
                               "shopeca_bank_fio.gpc",         "spojenet_basic_format.gpc",
                               "spojenet_extended_format.gpc", "spojenet_malformed.gpc"};
    for (const char* name : kpc) {
        PreviewLines preview;
        DecodeKpc(BankDataPath(std::string("real/") + name), preview);
        EXPECT_GE(preview.size(), 5u) << name;
        EXPECT_TRUE(preview[0].ends_with(name)) << name;
    }
    for (const char* name : gpc) {
        PreviewLines preview;
        JobLines job;
        DecodeGpc(BankDataPath(std::string("real/") + name), preview, job);
        EXPECT_GE(job.size(), 1u) << name;
    }
    PreviewLines preview;
    DecodeGeminy(BankDataPath("real/ciki_gemini_v104_3items.gem"), preview);
    EXPECT_EQ(preview[4], "Druh platebního styku:  platební příkaz k úhradě"_cz);
    EXPECT_EQ(preview.back().substr(0, 100).find("Celkový počet řádků:  3"_cz), 74u);
}

TEST(RealSamples, FioStatementRunningBalanceEndsAtTheNewBalance) {
    PreviewLines preview;
    JobLines job;
    DecodeGpc(BankDataPath("real/shopeca_bank_fio.gpc"), preview, job);
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
    PreviewLines preview;
    DecodeKpc(BankDataPath("real/shevyy_expected_raiffeisen.kpc"), preview);
    // 150050 + 275000 + 50075 halere.
    EXPECT_TRUE(preview.back().find("Celkový počet řádků:  3\r\n"_cz
                                    "Celková částka k proplacení:  4 751,25\r\n"_cz) !=
                std::string::npos);
    EXPECT_EQ(preview[5], "Na vrub účtu:  123456-1234567890 / 5500"_cz);
}

}  // namespace
}  // namespace zerkon
