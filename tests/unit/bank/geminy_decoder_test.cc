#include "bank/geminy_decoder.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();
const std::string kStars(70, '*');

PreviewLines Decode(std::string_view bytes) {
    PreviewLines preview;
    DecodeGeminy(BankSource{bytes, "g.gem", {2009, 10, 1}}, kCzech, preview);
    return preview;
}

std::string Summary(int count, std::string_view sum) {
    return "\r\n" + kStars + "\r\nCelkový počet řádků:  "_cz + std::to_string(count) +
           "\r\nCelková částka k proplacení:  "_cz + std::string(sum) + "\r\n" + kStars;
}

TEST(DecodeGeminy, EmptyFileHasNoHeader) {
    EXPECT_EQ(Decode(""), (PreviewLines{"Soubor:  g.gem", "Ze dne:  1.10.2009", kStars, "",
                                        Summary(0, "0,00")}));
}

TEST(DecodeGeminy, EmptyFirstLineStillGivesTheHeader) {
    const std::string order = "000002110000000800   0100   250";
    const PreviewLines preview = Decode("\r\n" + order + "\r\n");
    ASSERT_EQ(preview.size(), 4u + 4u + 7u + 1u);
    EXPECT_EQ(preview[4], "Druh platebního styku:  "_cz);
    EXPECT_EQ(preview[5], "Na vrub účtu:   /    "_cz);
    EXPECT_EQ(preview[6], "Celková částka k proplacení:  2,50"_cz);
    // A line shorter than the due date shows no date at all.
    EXPECT_EQ(preview[7], "Datum splatnosti:  ");
    EXPECT_EQ(preview.back(), Summary(1, "2,50"));
}

TEST(DecodeGeminy, LineOfSpacesIsAnOrder) {
    const PreviewLines preview = Decode(std::string(300, ' '));
    EXPECT_EQ(preview[4], "Druh platebního styku:  "_cz);
    EXPECT_EQ(preview[9], "Ve prospěch účtu:                   /"_cz);
    EXPECT_EQ(preview[10], "Částka:  0,00"_cz);
    EXPECT_EQ(preview[14], "Info:  ");
    EXPECT_EQ(preview.back(), Summary(1, "0,00"));
}

TEST(DecodeGeminy, OtherKindOfPaymentShowsOnlyTheLabel) {
    const PreviewLines preview = Decode("00000112");
    EXPECT_EQ(preview[4], "Druh platebního styku:  "_cz);
}

}  // namespace
}  // namespace zerkon
