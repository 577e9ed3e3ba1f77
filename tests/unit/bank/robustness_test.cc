// Bad input never stops a decoder nor breaks its preview: garbage, NUL bytes,
// huge lines, every prefix of a real record.

#include <gtest/gtest.h>

#include <random>

#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank_test_support.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();

// A CR or LF that is not part of a CR LF pair.
bool HasLoneLineBreak(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pair = text.substr(i, 2) == "\r\n";
        if (pair) ++i;
        if (!pair && (text[i] == '\r' || text[i] == '\n')) return true;
    }
    return false;
}

// What the memo gets from any file: whole lines without a NUL (the memo's text
// would end there), the file's name first and the closing stars last.
void ExpectSoundPreview(const std::string& text, std::string_view format) {
    SCOPED_TRACE(format);
    EXPECT_FALSE(HasLoneLineBreak(text));
    EXPECT_EQ(text.find('\0'), std::string::npos);
    const std::vector<std::string> lines = testing::Lines(text);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.front(), "Soubor:  x");
    EXPECT_EQ(lines.back().find_first_not_of('*'), std::string::npos);
}

// Decodes the bytes in all three formats and checks every preview; returns
// the total size written.
size_t DecodeAll(std::string_view bytes) {
    const BankSource source{bytes, "x", {}};
    OutputText kpc;
    OutputText gpc;
    OutputText records;
    OutputText geminy;
    DecodeKpc(source, kCzech, kpc);
    DecodeGpc(source, kCzech, gpc, records);
    DecodeGeminy(source, kCzech, geminy);
    const std::string texts[] = {kpc.Take(), gpc.Take(), geminy.Take()};
    ExpectSoundPreview(texts[0], "KPC");
    ExpectSoundPreview(texts[1], "GPC");
    ExpectSoundPreview(texts[2], "Geminy");
    const std::string record_text = records.Take();
    EXPECT_EQ(record_text.find('\0'), std::string::npos);
    return texts[0].size() + texts[1].size() + texts[2].size() + record_text.size();
}

TEST(DecoderRobustness, RandomBytesAndNulBytes) {
    std::mt19937 random(20090307);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string garbage(static_cast<size_t>(round * 7), '\0');
        for (char& c : garbage) c = static_cast<char>(byte(random));
        DecodeAll(garbage);
    }
    DecodeAll(std::string("074\0\0\0075\0\r\n075\0\0\n2 \0 \0\n\0", 21));
}

TEST(DecoderRobustness, NulByteShowsAsASpaceAndHidesNothing) {
    const std::string file = std::string("h\nh\nh\n1 100 7 01000308 0 ab") + '\0' + "cd\n";
    const std::string text = testing::Held([&](OutputText& out) {
        DecodeKpc(BankSource{file, "x", {}}, kCzech, out);
    });
    EXPECT_NE(text.find("Zpráva pro příjemce:  ab cd\r\n"_cz), std::string::npos);
    EXPECT_NE(text.find("Celkový počet řádků:  1\r\n"_cz), std::string::npos);
}

TEST(DecoderRobustness, EveryPrefixOfRealRecords) {
    for (const char* name : {"real/shopeca_bank_fio.gpc", "real/pyabo_fio_3items.kpc",
                             "real/ciki_gemini_v104_3items.gem", "gpc_statement.gpc"}) {
        SCOPED_TRACE(name);
        const std::string bytes = testing::ReadBankData(name);
        ASSERT_FALSE(bytes.empty());
        const std::string_view first_lines = std::string_view(bytes).substr(0, 700);
        for (size_t length = 0; length <= first_lines.size(); length += 3) {
            DecodeAll(first_lines.substr(0, length));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(DecoderRobustness, TenMegabyteSingleLine) {
    std::string line(10 * 1024 * 1024, '7');
    line.replace(0, 3, "075");
    for (size_t i = 100; i < line.size(); i += 9) line[i] = ' ';
    DecodeAll(line);
    // As a KPC item the whole line after the fifth space is the message.
    const std::string file = "h\nh\nh\n" + line;
    const std::vector<std::string> lines = testing::Lines(testing::Held([&](OutputText& out) {
        DecodeKpc(BankSource{file, "x", {}}, kCzech, out);
    }));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_GT(lines[15].size(), line.size() - 200);
}

TEST(DecoderRobustness, LineBreaksOnly) {
    EXPECT_GT(DecodeAll("\r\r\n\n\r"), 0u);
    // Four lines: CR, CR LF, LF, CR; between the header and the summary.
    const std::string preview = testing::Held([](OutputText& out) {
        OutputText records;
        DecodeGpc(BankSource{"\r\r\n\n\r", "x", {}}, kCzech, out, records);
    });
    EXPECT_EQ(testing::Lines(preview).size(), 2u + 4u + 5u);
}

// Files of bare line feeds: after the header every blank line is a KPC item,
// and no Geminy order. A held preview is refused beyond its limits before
// anything is written; the command line streams it whatever its size.
TEST(DecoderRobustness, BlankLinesCostOnlyWhatTheyShow) {
    const std::string blanks(256 * 1024, '\n');
    const BankSource source{blanks, "x", {}};
    OutputText held(OutputLimits{.bytes = 4 << 20, .lines = 1 << 20});
    EXPECT_EQ(DecodeKpc(source, kCzech, held).code(), StatusCode::kTooLarge);
    EXPECT_EQ(held.Take(), "");

    size_t streamed = 0;
    OutputText out([&](std::string_view block) {
        streamed += block.size();
        return Status::Ok();
    });
    DecodeKpc(source, kCzech, out);
    // The header and first group (267 bytes), 86 bytes an empty item, the
    // summary (210).
    EXPECT_EQ(streamed, 267 + (blanks.size() - 3) * 86 + 210);

    OutputText geminy(OutputLimits{.bytes = 2048, .lines = 20});
    DecodeGeminy(source, kCzech, geminy);
    EXPECT_NE(geminy.Take().find("Celkový počet řádků:  0\r\n"_cz), std::string::npos);
}

}  // namespace
}  // namespace zerkon
