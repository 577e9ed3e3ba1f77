#include "shell/update_request.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

std::string TextAt(const std::vector<std::uint8_t>& record, std::size_t offset) {
    return std::string(record.begin() + offset + 1, record.begin() + offset + 1 + record[offset]);
}

TEST(UpdateRequest, FieldsAtTheirOffsets) {
    UpdateInputs inputs;
    inputs.x = 130;
    inputs.y = -2;
    inputs.mode = 5;
    inputs.host = "www.morv.cz";
    inputs.product = "Zerkon";
    inputs.version = "1.2.3.4";
    inputs.extra = "";
    inputs.download_folder = "C:\\Zerkon\\stahovani";
    inputs.reserved = 0x01020304;
    inputs.caller = 0x00ABCDEF;
    auto record = BuildUpdateRequest(0x12345678, inputs);
    ASSERT_EQ(record.size(), 654u);

    const std::vector<std::uint8_t> head = {0x78, 0x56, 0x34, 0x12, 0xEF, 0xCD, 0xAB,
                                            0x00, 0x82, 0x00, 0x00, 0x00, 0xFE, 0xFF,
                                            0xFF, 0xFF, 0x05, 0x05, 11};
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + 19), head);
    EXPECT_EQ(TextAt(record, 18), "www.morv.cz");
    EXPECT_EQ(TextAt(record, 49), "Zerkon");
    EXPECT_EQ(TextAt(record, 80), "1.2.3.4");
    EXPECT_EQ(record[101], 0);
    EXPECT_EQ(TextAt(record, 122), "C:\\Zerkon\\stahovani");
    EXPECT_EQ(record[203], 0x04);
    EXPECT_EQ(record[204], 0x03);
    EXPECT_EQ(record[205], 0x02);
    EXPECT_EQ(record[206], 0x01);
    for (std::size_t i = 207; i < record.size(); ++i) ASSERT_EQ(record[i], 0) << i;
    // The byte after the host's characters is the next field's length, not spill-over.
    EXPECT_EQ(record[30], 0);
    EXPECT_EQ(record[49], 6);
}

TEST(UpdateRequest, LongTextsAreCutToTheirFields) {
    UpdateInputs inputs;
    inputs.host = std::string(40, 'h');
    inputs.product = std::string(31, 'p');
    inputs.version = std::string(25, 'v');
    inputs.extra = std::string(21, 'e');
    inputs.download_folder = std::string(100, 'd');
    auto record = BuildUpdateRequest(0, inputs);
    EXPECT_EQ(TextAt(record, 18), std::string(30, 'h'));
    EXPECT_EQ(TextAt(record, 49), std::string(30, 'p'));
    EXPECT_EQ(TextAt(record, 80), std::string(20, 'v'));
    EXPECT_EQ(TextAt(record, 101), std::string(20, 'e'));
    EXPECT_EQ(TextAt(record, 122), std::string(80, 'd'));
    EXPECT_EQ(record[203], 0);  // the folder stops right before the reserved field
}

}  // namespace
}  // namespace zerkon
