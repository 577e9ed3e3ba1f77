#include "bank/gpc_decoder.h"

#include <gtest/gtest.h>

#include "bank_test_support.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();

struct Decoded {
    std::vector<std::string> preview;  // the preview lines
    std::vector<std::string> job;      // the print records, each ending in CR LF
};

Decoded Decode(std::string_view bytes, const RegionalSettings& regional = kCzech) {
    OutputText preview;
    OutputText records;
    DecodeGpc(BankSource{bytes, "v.gpc", {}}, regional, preview, records);
    return {testing::Lines(preview.Take()), testing::Records(records.Take())};
}

// A turnover item with the given amount, posting code and symbols.
std::string Item(std::string_view amount12, char code, std::string_view ks4 = "0308",
                 std::string_view ss10 = "0000000000") {
    std::string line = "075" + std::string(16, '1') + "0000000000009999" + "0000000000001";
    line += std::string(amount12) + code + "0000000777" + "00" + "0800" + std::string(ks4) +
            std::string(ss10) + "010309" + "Zpráva              "_cz + "01102" + "050309";
    return line;
}

std::string Head(std::string_view old14, char sign) {
    std::string line = "074" + std::string(16, '2') + "Název               "_cz + "010309";
    line += std::string(old14) + sign + std::string(14, '0') + '+' + std::string(14, '0') + '+' +
            std::string(14, '0') + '+' + "001" + "310309";
    return line;
}

TEST(DecodeGpc, WithoutAHeadTheLastRecordHoldsOnlyTheCounts) {
    const Decoded decoded = Decode(Item("000000001000", '2') + "\r\n");
    ASSERT_EQ(decoded.job.size(), 2u);
    EXPECT_EQ(decoded.job[1], "<Pocet>1\r\n<PocetKredit>1\r\n<PocetDebet>0\r\n");
    // The running balance starts from 0.
    EXPECT_NE(decoded.job[0].find("<Prachy>10,00\r\n<Zustatek>10\r\n"), std::string::npos);
}

TEST(DecodeGpc, EmptyFileGivesTheHeaderAndSummaryOnly) {
    const Decoded decoded = Decode("");
    EXPECT_EQ(decoded.preview, (std::vector<std::string>{
                                   "Soubor:  v.gpc", std::string(70, '*'), std::string(40, '*'),
                                   "Celkový počet kredit: 0"_cz, "Celkový počet debet:  0"_cz,
                                   "Celkový počet řádků:  0"_cz, std::string(40, '*')}));
    EXPECT_EQ(decoded.job,
              (std::vector<std::string>{"<Pocet>0\r\n<PocetKredit>0\r\n<PocetDebet>0\r\n"}));
}

TEST(DecodeGpc, StornoAndUnknownCodesCarryNoAmountInThePrintData) {
    const Decoded decoded =
        Decode(Head("00000000010000", '-') + "\n" + Item("000000000500", '5') + "\n" +
               Item("000000000700", '9') + "\n" + Item("000000000100", '1') + "\n");
    EXPECT_EQ(decoded.preview[17], "Storno kredit:  5,00 Kč"_cz);
    EXPECT_EQ(decoded.preview[27], ":  7,00 Kč"_cz);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(decoded.job[i].find("<Prachy>"), std::string::npos);
        EXPECT_EQ(decoded.job[i].find("<Zustatek>"), std::string::npos);
    }
    // A negative old balance: -100 - 1.
    EXPECT_NE(decoded.job[2].find("<Prachy>-1,00\r\n<Zustatek>-101\r\n"), std::string::npos);
    EXPECT_NE(decoded.job[3].find("<Pocet>3\r\n<PocetKredit>0\r\n<PocetDebet>1\r\n"),
              std::string::npos);
    EXPECT_NE(decoded.job[3].find("<ZustatekStary>-100,00 Kč\r\n"_cz), std::string::npos);
}

TEST(DecodeGpc, AllZeroSymbolsAreShownButNotTagged) {
    const Decoded decoded = Decode(Item("000000000100", '1', "0000", "0000000000"));
    EXPECT_EQ(decoded.preview[8], "KS:  0000");
    EXPECT_EQ(decoded.preview[9], "SS:  0000000000");
    EXPECT_EQ(decoded.job[0].find("<KS>"), std::string::npos);
    EXPECT_EQ(decoded.job[0].find("<SS>"), std::string::npos);
    const Decoded tagged = Decode(Item("000000000100", '1', "0001", "0000000010"));
    EXPECT_NE(tagged.job[0].find("<KS>0001\r\n<SS>0000000010\r\n"), std::string::npos);
}

TEST(DecodeGpc, ShortRecordsGiveEmptyFields) {
    const Decoded decoded = Decode("074\n075\n07\n");
    EXPECT_EQ(decoded.preview[4], "Účet:  "_cz);
    EXPECT_EQ(decoded.preview[7], "Starý zůstatek:  0,00 Kč"_cz);
    EXPECT_EQ(decoded.preview[12], "Datum účtování:  .."_cz);
    EXPECT_EQ(decoded.preview[15], "Účet:   / "_cz);
    EXPECT_EQ(decoded.preview[17], ":  0,00 Kč"_cz);
    // "07" is no record: one empty line only.
    EXPECT_EQ(decoded.preview[23], "");
    EXPECT_EQ(decoded.preview.size(), 2u + 22u + 5u);
    EXPECT_EQ(decoded.job[0],
              "[Table]<zerkon>\r\n<ID>1\r\n<Ucet> / \r\n<CisloDokladu>\r\n<VS>\r\n"
              "<Zprava>\r\n<datum>..\r\n");
}

TEST(DecodeGpc, ItemAmountsAndDueDates) {
    // Blanks in the amount field are ignored; the widest amount keeps all its digits.
    const Decoded decoded = Decode(Item("  1234 56   ", '2') + "\n" + Item("999999999999", '1'));
    EXPECT_EQ(decoded.preview[6], "Kredit:  1234,56 Kč"_cz);
    EXPECT_EQ(decoded.preview[16], "Debet:  9999999999,99 Kč"_cz);
    EXPECT_NE(decoded.job[0].find("<Prachy>1234,56\r\n<Zustatek>1234,56\r\n"), std::string::npos);
    EXPECT_NE(decoded.job[1].find("<Prachy>-9999999999,99\r\n<Zustatek>-9999998765,43\r\n"),
              std::string::npos);
    EXPECT_EQ(decoded.preview[11], "Datum splatnosti:  05.03.09");

    const Decoded english = Decode(Item("000000123456", '2'), RegionalSettings::English());
    EXPECT_EQ(english.preview[6], "Kredit:  1234.56 Kč"_cz);
    EXPECT_NE(english.job[0].find("<Prachy>1234.56\r\n<Zustatek>1234.56\r\n"), std::string::npos);

    // A line that ends inside the due date.
    const Decoded cut = Decode(Item("000000000100", '2').substr(0, 126));
    EXPECT_EQ(cut.preview[11], "Datum splatnosti:  05.03.");
    EXPECT_TRUE(cut.job[0].ends_with("<datum>05.03.\r\n"));
}

TEST(DecodeGpc, CharacterThirtyNineIsNotPartOfTheName) {
    std::string head = Head("00000000000000", '+');
    head[38] = 'Q';
    const Decoded decoded = Decode(head);
    EXPECT_EQ(decoded.preview[5], "Název účtu:  Název              "_cz);
    EXPECT_EQ(decoded.job.back().find('Q'), std::string::npos);
}

// The command line streams one output and leaves the other: the same bytes as
// held, in blocks that end with whole records.
TEST(DecodeGpc, StreamedOutputIsTheHeldOneInWholeRecords) {
    std::string file = Head("00000000010000", '+') + "\r\n";
    for (int i = 0; i < 3000; ++i)
        file += Item("000000000" + std::to_string(100 + i), "12"[i % 2]) + "\r\n";
    const Decoded held = Decode(file);
    const BankSource source{file, "v.gpc", {}};
    for (const bool records_wanted : {true, false}) {
        std::vector<std::string> blocks;
        OutputText streamed([&](std::string_view block) {
            blocks.emplace_back(block);
            return Status::Ok();
        });
        OutputText unwanted = OutputText::Unwanted();
        DecodeGpc(source, kCzech, records_wanted ? unwanted : streamed,
                  records_wanted ? streamed : unwanted);
        ASSERT_GT(blocks.size(), 1u);
        std::string joined;
        for (const std::string& block : blocks) {
            EXPECT_TRUE(block.ends_with(records_wanted ? "\r\n\r\n" : "\r\n"));
            joined += block;
        }
        if (records_wanted) {
            EXPECT_EQ(testing::Records(joined), held.job);
        } else {
            EXPECT_EQ(testing::Lines(joined), held.preview);
        }
    }
}

}  // namespace
}  // namespace zerkon
