#include "bank/decoder_text.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

using namespace bank_text;

TEST(AppendDottedDate, DotsAfterTheSecondAndFourthCharacter) {
    for (const auto& [date, dotted] : {std::pair{"070309", "07.03.09"},
                                       {"", ".."},
                                       {"1", "1.."},
                                       {"0703", "07.03."},
                                       {"07030", "07.03.0"}}) {
        OutputText out;
        AppendDottedDate(out, date);
        EXPECT_EQ(out.Take(), dotted) << date;
    }
}

// Read in place, the amounts are the ones the general reading gives.
TEST(HalereField, AgreesWithTextToHundredths) {
    const RegionalSettings czech = RegionalSettings::Czech();
    for (const char* field : {"000000150050", "  1234 56   ",
                              "1\xA0"
                              "234",
                              "", "   ", "1.5", "12a", "-12", "922337203685477", "922337203685478",
                              "0000000000000001", "999999999999999", "42001999000000000000"}) {
        EXPECT_EQ(HalereField(field, czech), TextToHundredths(field, czech)) << field;
    }
    EXPECT_EQ(HalereField("  1234 56   ", czech), 12345600);
}

TEST(AmountTexts, AgreeWithTheNumberHelpers) {
    for (const RegionalSettings& regional :
         {RegionalSettings::Czech(), RegionalSettings::English(), RegionalSettings{',', '.', '.'},
          RegionalSettings{'.', ' ', '/'}}) {
        for (const Amount value :
             {Amount{0}, Amount{100}, Amount{-100}, Amount{123456700}, Amount{5}, Amount{-50},
              Amount{12345}, Amount{10500}, Amount{99'990'000}, Amount{100'000'000},
              Amount{999'999'999'999'999}, Amount{-999'999'999'999'999},
              Amount{1'000'000'000'000'000}, Amount{-9'223'372'036'854'775'807}}) {
            EXPECT_EQ(PlainAmountText(value, regional).View(), FormatPlainAmount(value, regional))
                << value;
            EXPECT_EQ(AmountText(value, regional).View(), FormatAmount(value, regional)) << value;
            EXPECT_EQ(GeneralAmountText(value, regional).View(), FormatGeneral(value, regional))
                << value;
        }
    }
}

TEST(OutputText, HeldTextIsRefusedBeyondItsLimitsBeforeAnythingIsWritten) {
    OutputText out(OutputLimits{.bytes = 100, .lines = 10});
    EXPECT_TRUE(out.Expect({.bytes = 100, .lines = 10}).ok());
    EXPECT_EQ(out.Expect({.bytes = 101, .lines = 1}).code(), StatusCode::kTooLarge);
    EXPECT_EQ(out.Expect({.bytes = 1, .lines = 11}).code(), StatusCode::kTooLarge);
    // Streamed and unwanted texts are never held: no limit.
    OutputText streamed([](std::string_view) { return Status::Ok(); });
    EXPECT_TRUE(streamed.Expect({.bytes = std::size_t{1} << 40, .lines = 1u << 30}).ok());
    EXPECT_TRUE(OutputText::Unwanted().Expect({.bytes = std::size_t{1} << 40}).ok());
}

TEST(OutputText, HeldTextGrowsPastItsExpectedSizeAndKeepsEveryByte) {
    OutputText out;
    out.Expect({.bytes = 10});
    const std::string record = "Částka:  1 234,56\r\nVS:  1\r\n"_cz;
    for (int i = 0; i < 200000; ++i) {
        out.Append(record);
        out.AppendNumber(-i);
        out.EndRecord();
    }
    const std::string text = out.Take();
    EXPECT_EQ(text.size(), 200000 * record.size() + 1288889);
    EXPECT_TRUE(text.ends_with("VS:  1\r\n-199999"));
}

}  // namespace
}  // namespace zerkon
