#include "print/print_request.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

// The expected record, laid out byte by byte from the offset table.
PrintRequest Expected(std::uint32_t engine, std::uint32_t caller, std::string_view name,
                      std::string_view folder, std::string_view program) {
    PrintRequest r{};
    for (int i = 0; i < 4; ++i) {
        r[0 + i] = static_cast<std::uint8_t>(engine >> (8 * i));
        r[4 + i] = static_cast<std::uint8_t>(caller >> (8 * i));
    }
    r[8] = static_cast<std::uint8_t>(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) r[9 + i] = static_cast<std::uint8_t>(name[i]);
    r[170] = static_cast<std::uint8_t>(folder.size());
    for (std::size_t i = 0; i < folder.size(); ++i) {
        r[171 + i] = static_cast<std::uint8_t>(folder[i]);
    }
    r[299] = static_cast<std::uint8_t>(program.size());
    for (std::size_t i = 0; i < program.size(); ++i) {
        r[300 + i] = static_cast<std::uint8_t>(program[i]);
    }
    r[320] = r[321] = r[322] = 1;
    return r;
}

TEST(PrintRequestTest, EveryOffsetOfABankRequest) {
    const PrintRequest request =
        BuildPrintRequest({0x12345678, 0xCAFE01, "GPC-2009-03-07(14-05-09).vrex",
                           "C:\\Program Files\\Olbrix\\vrex\\", "Zerkon"});
    EXPECT_EQ(request.size(), 565u);
    EXPECT_EQ(request, Expected(0x12345678, 0xCAFE01, "GPC-2009-03-07(14-05-09).vrex",
                                "C:\\Program Files\\Olbrix\\vrex\\", "Zerkon"));
    EXPECT_EQ(request[0], 0x78);
    EXPECT_EQ(request[3], 0x12);
    EXPECT_EQ(request[8], 29);
    EXPECT_EQ(request[9], 'G');
    EXPECT_EQ(request[170], 29);
    EXPECT_EQ(request[171], 'C');
    EXPECT_EQ(request[299], 6);
    EXPECT_EQ(request[300], 'Z');
}

TEST(PrintRequestTest, LongTextsAreCutToTheirFields) {
    const std::string folder = "C:\\" + std::string(200, 'f') + "\\vrex\\";
    const std::string name = std::string(150, 'n') + ".vrex";
    const std::string program = "ZERKON pro RALwin a něco navíc"_cz;
    const PrintRequest request = BuildPrintRequest({0, 0, name, folder, program});
    EXPECT_EQ(request,
              Expected(0, 0, name.substr(0, 100), folder.substr(0, 128), program.substr(0, 20)));
    EXPECT_EQ(request[8], 100);
    EXPECT_EQ(request[108], 'n');
    EXPECT_EQ(request[109], 0);  // the 61 zero bytes begin right after the name
    EXPECT_EQ(request[170], 128);
    EXPECT_EQ(request[298], 'f');
    EXPECT_EQ(request[299], 20);
    for (std::size_t i = 323; i < 565; ++i) EXPECT_EQ(request[i], 0) << i;
}

TEST(PrintRequestTest, EldpRequestWithCzechNameReadsBack) {
    const PrintRequestFields fields{7, 9, "Podklady pro ELDP - ruční zadání.vrex"_cz,
                                    "Z:\\tmp\\Olbrix\\vrex\\", "ZERKON pro RALwin"};
    const PrintRequest request = BuildPrintRequest(fields);
    EXPECT_EQ(request,
              Expected(7, 9, fields.job_file_name, fields.job_folder, "ZERKON pro RALwin"));
    const PrintRequestFields back = ReadPrintRequest(request);
    EXPECT_EQ(back.engine_window, 7u);
    EXPECT_EQ(back.caller_window, 9u);
    EXPECT_EQ(back.job_file_name, fields.job_file_name);
    EXPECT_EQ(back.job_folder, fields.job_folder);
    EXPECT_EQ(back.program_name, fields.program_name);
}

// Laid out by hand, independently of the code: an ELDP request whose job folder
// (Czech letters, 148 characters) is cut to 128.
TEST(PrintRequestTest, EldpRequestMatchesTheHandMadeRecord) {
    std::string folder = "C:\\Účetní data\\"_cz;
    for (int i = 0; i < 16; ++i) folder += "Přílohy\\"_cz;
    folder += "vrex\\";
    const PrintRequest request =
        BuildPrintRequest({0x00010234, 0x000A0B0C, "Podklady pro ELDP - ruční zadání.vrex"_cz,
                           folder, "ZERKON pro RALwin"});
    std::ifstream in(std::string(ZERKON_TEST_DATA) + "/print/eldp_request.bin", std::ios::binary);
    const std::vector<std::uint8_t> golden{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    ASSERT_EQ(golden.size(), kPrintRequestSize);
    for (std::size_t i = 0; i < kPrintRequestSize; ++i) EXPECT_EQ(request[i], golden[i]) << i;
}

TEST(PrintRequestTest, EmptyFieldsLeaveOnlyTheThreeOnes) {
    const PrintRequest request = BuildPrintRequest({0, 0, "", "", ""});
    for (std::size_t i = 0; i < kPrintRequestSize; ++i) {
        EXPECT_EQ(request[i], (i >= 320 && i <= 322) ? 1 : 0) << i;
    }
    const PrintRequestFields back = ReadPrintRequest(request);
    EXPECT_TRUE(back.job_file_name.empty());
    EXPECT_TRUE(back.job_folder.empty());
    EXPECT_TRUE(back.program_name.empty());
}

TEST(PrintRequestTest, ReadingAnOverlongLengthByteStaysInsideTheField) {
    PrintRequest request{};
    request[8] = 255;
    request[170] = 200;
    request[299] = 99;
    const PrintRequestFields back = ReadPrintRequest(request);
    EXPECT_EQ(back.job_file_name.size(), 100u);
    EXPECT_EQ(back.job_folder.size(), 128u);
    EXPECT_EQ(back.program_name.size(), 20u);
}

}  // namespace
}  // namespace zerkon
