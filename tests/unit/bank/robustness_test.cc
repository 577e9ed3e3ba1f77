// Bad input never stops a decoder: garbage, NUL bytes, huge lines, every
// prefix of a real record.

#include <gtest/gtest.h>

#include <random>

#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank/preview_text.h"
#include "bank_test_support.h"

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();

// Decodes the bytes in all three formats; returns the total preview size.
size_t DecodeAll(std::string_view bytes) {
    const BankSource source{bytes, "x", {}};
    PreviewLines preview;
    JobLines job;
    size_t size = 0;
    DecodeKpc(source, kCzech, preview);
    size += PreviewEntriesToText(preview, "\r\n").size();
    DecodeGpc(source, kCzech, preview, job);
    size += PreviewEntriesToText(preview, "\r\n").size();
    DecodeGeminy(source, kCzech, preview);
    size += PreviewEntriesToText(preview, "\r\n").size();
    return size;
}

TEST(DecoderRobustness, RandomBytesAndNulBytes) {
    std::mt19937 random(20090307);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string garbage(static_cast<size_t>(round * 7), '\0');
        for (char& c : garbage) c = static_cast<char>(byte(random));
        EXPECT_GT(DecodeAll(garbage), 0u);
    }
    const std::string nuls("074\0\0\0075\0\r\n075\0\0\n2 \0 \0\n\0", 21);
    EXPECT_GT(DecodeAll(nuls), 0u);
}

TEST(DecoderRobustness, EveryPrefixOfRealRecords) {
    for (const char* name : {"real/shopeca_bank_fio.gpc", "real/pyabo_fio_3items.kpc",
                             "real/ciki_gemini_v104_3items.gem", "gpc_statement.gpc"}) {
        const std::string bytes = testing::ReadBankData(name);
        ASSERT_FALSE(bytes.empty()) << name;
        const std::string_view first_lines = std::string_view(bytes).substr(0, 700);
        for (size_t length = 0; length <= first_lines.size(); ++length) {
            DecodeAll(first_lines.substr(0, length));
        }
    }
}

TEST(DecoderRobustness, TenMegabyteSingleLine) {
    std::string line(10 * 1024 * 1024, '7');
    line.replace(0, 3, "075");
    for (size_t i = 100; i < line.size(); i += 9) line[i] = ' ';
    EXPECT_GT(DecodeAll(line), 0u);
    // As a KPC item the whole line after the fifth space is the message.
    PreviewLines preview;
    const std::string file = "h\nh\nh\n" + line;
    DecodeKpc(BankSource{file, "x", {}}, kCzech, preview);
    ASSERT_EQ(preview.size(), 10u);
    EXPECT_GT(preview[8].size(), line.size() - 200);
}

TEST(DecoderRobustness, LineBreaksOnly) {
    EXPECT_GT(DecodeAll("\r\r\n\n\r"), 0u);
    PreviewLines preview;
    JobLines job;
    DecodeGpc(BankSource{"\r\r\n\n\r", "x", {}}, kCzech, preview, job);
    // Four lines: CR, CR LF, LF, CR; between the header and the summary.
    EXPECT_EQ(PreviewEntriesToLines(preview).size(), 2u + 4u + 5u);
}

}  // namespace
}  // namespace zerkon
