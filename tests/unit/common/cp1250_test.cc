#include "common/cp1250.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

// The build turns Czech literals into Windows-1250 bytes; this is the check
// that it really does (every golden file depends on it).
TEST(Cp1250, CzechLiteralsAreWindows1250Bytes) {
    const std::string text = "Příliš žluťoučký kůň"_cz;
    EXPECT_EQ(text, "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
}

TEST(Cp1250, ConvertsToUtf8AndBack) {
    const std::string text = "Kč ĚŠČŘŽÝÁÍÉŮÚŇŤĎ ěščřžýáíéůúňťď €„“"_cz;
    const std::string utf8 = Cp1250ToUtf8(text);
    EXPECT_EQ(utf8.substr(0, 3), "K\xC4\x8D");
    EXPECT_EQ(Utf8ToCp1250(utf8), text);
}

TEST(Cp1250, EveryByteRoundTripsThroughUtf16AndUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf16ToCp1250(Cp1250ToUtf16(all)), all);
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Cp1250, UnknownCharactersAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1250("\xE4\xB8\xAD"), "?");    // a CJK character
    EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");          // cut-off sequence
    EXPECT_EQ(Utf16ToCp1250(u"\U0001F600x"), "?x");  // surrogate pair
}

TEST(Cp1250, CaseMappingCoversCzechLetters) {
    EXPECT_EQ(UpperCase1250("rok příjmení ěščřžýáíéůúňťď"_cz), "ROK PŘÍJMENÍ ĚŠČŘŽÝÁÍÉŮÚŇŤĎ"_cz);
    EXPECT_EQ(LowerCase1250("ROK ĚŠČŘŽÝÁÍÉŮÚŇŤĎ"_cz), "rok ěščřžýáíéůúňťď"_cz);
    EXPECT_EQ(UpperCase1250("÷ß"_cz), "÷ß"_cz);
}

}  // namespace
}  // namespace zerkon
