// Bad input never stops a decoder nor breaks its preview: garbage, NUL bytes,
// huge lines, every prefix of a real record.

#include <gtest/gtest.h>

#include <random>

#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank/preview_text.h"
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
void ExpectSoundPreview(const PreviewLines& preview, std::string_view format) {
    SCOPED_TRACE(format);
    const std::string text = PreviewEntriesToText(preview, "\r\n");
    EXPECT_FALSE(HasLoneLineBreak(text));
    EXPECT_EQ(text.find('\0'), std::string::npos);
    const std::vector<std::string> lines = PreviewEntriesToLines(preview);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.front(), "Soubor:  x");
    EXPECT_EQ(lines.back().find_first_not_of('*'), std::string::npos);
}

// Decodes the bytes in all three formats and checks every preview; the GPC
// print data holds one record per item and the head record last.
void DecodeAll(std::string_view bytes) {
    const BankSource source{bytes, "x", {}};
    PreviewLines preview;
    JobLines job;
    DecodeKpc(source, kCzech, preview);
    ExpectSoundPreview(preview, "KPC");
    DecodeGpc(source, kCzech, preview, job);
    ExpectSoundPreview(preview, "GPC");
    ASSERT_FALSE(job.empty());
    const std::string count = "\r\n<Pocet>" + std::to_string(job.size() - 1) + "\r\n";
    EXPECT_NE(("\r\n" + job.back()).find(count), std::string::npos) << job.back();
    DecodeGeminy(source, kCzech, preview);
    ExpectSoundPreview(preview, "Geminy");
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
    PreviewLines preview;
    DecodeKpc(BankSource{file, "x", {}}, kCzech, preview);
    const std::string text = PreviewEntriesToText(preview, "\r\n");
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
    PreviewLines preview;
    const std::string file = "h\nh\nh\n" + line;
    DecodeKpc(BankSource{file, "x", {}}, kCzech, preview);
    ASSERT_EQ(preview.size(), 10u);
    EXPECT_GT(preview[8].size(), line.size() - 200);
}

TEST(DecoderRobustness, LineBreaksOnly) {
    DecodeAll("\r\r\n\n\r");
    PreviewLines preview;
    JobLines job;
    DecodeGpc(BankSource{"\r\r\n\n\r", "x", {}}, kCzech, preview, job);
    // Four lines: CR, CR LF, LF, CR; between the header and the summary.
    EXPECT_EQ(PreviewEntriesToLines(preview).size(), 2u + 4u + 5u);
}

}  // namespace
}  // namespace zerkon
