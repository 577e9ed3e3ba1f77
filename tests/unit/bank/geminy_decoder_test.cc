#include "bank/geminy_decoder.h"

#include <gtest/gtest.h>

#include "bank_test_support.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

using Lines = std::vector<std::string>;

const RegionalSettings kCzech = RegionalSettings::Czech();
const std::string kStars(70, '*');

Lines Decode(std::string_view bytes) {
    return testing::Lines(testing::Held([&](OutputText& out) {
        DecodeGeminy(BankSource{bytes, "g.gem", {2009, 10, 1}}, kCzech, out);
    }));
}

// The summary begins with an empty line.
Lines Summary(int count, std::string_view sum) {
    return {"", kStars, "Celkový počet řádků:  "_cz + std::to_string(count),
            "Celková částka k proplacení:  "_cz + std::string(sum), kStars};
}

Lines SummaryOf(const Lines& lines) {
    return Lines(lines.end() - std::min<size_t>(5, lines.size()), lines.end());
}

TEST(DecodeGeminy, EmptyFileHasNoHeader) {
    Lines expected{"Soubor:  g.gem", "Ze dne:  1.10.2009", kStars, ""};
    for (const std::string& line : Summary(0, "0,00")) expected.push_back(line);
    EXPECT_EQ(Decode(""), expected);
}

TEST(DecodeGeminy, EmptyFirstLineStillGivesTheHeader) {
    const std::string order = "000002110000000800   0100   250";
    const Lines lines = Decode("\r\n" + order + "\r\n");
    ASSERT_EQ(lines.size(), 4u + 4u + 7u + 5u);
    EXPECT_EQ(lines[4], "Druh platebního styku:  "_cz);
    EXPECT_EQ(lines[5], "Na vrub účtu:   /    "_cz);
    EXPECT_EQ(lines[6], "Celková částka k proplacení:  2,50"_cz);
    // A line shorter than the due date shows no date at all.
    EXPECT_EQ(lines[7], "Datum splatnosti:  ");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "Ve prospěch účtu:   / 0100"_cz);
    EXPECT_EQ(SummaryOf(lines), Summary(1, "2,50"));
}

TEST(DecodeGeminy, LineOfSpacesIsAnOrder) {
    const Lines lines = Decode(std::string(300, ' '));
    EXPECT_EQ(lines[4], "Druh platebního styku:  "_cz);
    EXPECT_EQ(lines[9], "Ve prospěch účtu:                   /"_cz);
    EXPECT_EQ(lines[10], "Částka:  0,00"_cz);
    EXPECT_EQ(lines[14], "Info:  ");
    EXPECT_EQ(SummaryOf(lines), Summary(1, "0,00"));
}

TEST(DecodeGeminy, OtherKindOfPaymentShowsOnlyTheLabel) {
    EXPECT_EQ(Decode("00000112")[4], "Druh platebního styku:  "_cz);
}

}  // namespace
}  // namespace zerkon
