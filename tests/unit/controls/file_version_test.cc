#include "controls/file_version.h"

#include <gtest/gtest.h>

#include <map>

namespace zerkon {
namespace {

struct FakeResourceData {
    std::optional<uint32_t> translation;
    std::map<std::string, std::string> strings;  // sub-block -> text
};

class FakeResource : public VersionResource {
  public:
    explicit FakeResource(FakeResourceData data) : data_(std::move(data)) {}
    std::optional<uint32_t> FirstTranslation() const override { return data_.translation; }
    std::optional<std::string> QueryString(std::string_view sub_block) const override {
        auto it = data_.strings.find(std::string(sub_block));
        if (it == data_.strings.end()) return std::nullopt;
        return it->second;
    }

  private:
    FakeResourceData data_;
};

class FakeSource : public VersionResourceSource {
  public:
    std::optional<FakeResourceData> data;
    mutable int reads = 0;
    std::unique_ptr<VersionResource> Read() const override {
        ++reads;
        if (!data) return nullptr;
        return std::make_unique<FakeResource>(*data);
    }
};

TEST(TranslationKey, LanguageFirstThenCodePageInUpperCaseHex) {
    EXPECT_EQ(TranslationKey(0x04E20405), "040504E2");
    EXPECT_EQ(TranslationKey(0x04B00409), "040904B0");
    EXPECT_EQ(TranslationKey(0), "00000000");
    EXPECT_EQ(TranslationKey(0xFFFFABCD), "ABCDFFFF");
}

TEST(TXFileVersion, ReadsNamedStringOfFirstTranslationAfreshEachCall) {
    FakeSource source;
    source.data = FakeResourceData{0x04E20405,
                                   {{"\\StringFileInfo\\040504E2\\FileVersion", "1.2.3.4"},
                                    {"\\StringFileInfo\\040504E2\\ProductName", "Zerkon"},
                                    {"\\StringFileInfo\\040904B0\\Comments", "english only"}}};
    TXFileVersion version(source);
    EXPECT_EQ(version.GetVersionInfo("FileVersion"), "1.2.3.4");
    EXPECT_EQ(version.GetVersionInfo("ProductName"), "Zerkon");
    // Missing name, and a string stored only under another translation.
    EXPECT_EQ(version.GetVersionInfo("LegalTrademarks"), "");
    EXPECT_EQ(version.GetVersionInfo("Comments"), "");
    EXPECT_EQ(source.reads, 4);

    source.data->strings["\\StringFileInfo\\040504E2\\FileVersion"] = "2.0.0.0";
    EXPECT_EQ(version.GetVersionInfo("FileVersion"), "2.0.0.0");
}

TEST(TXFileVersion, MissingResourceOrTranslationGivesEmptyText) {
    FakeSource no_resource;
    EXPECT_EQ(TXFileVersion(no_resource).GetVersionInfo("FileVersion"), "");

    FakeSource no_translation;
    no_translation.data =
        FakeResourceData{std::nullopt, {{"\\StringFileInfo\\040504E2\\FileVersion", "1.2.3.4"}}};
    EXPECT_EQ(TXFileVersion(no_translation).GetVersionInfo("FileVersion"), "");
}

}  // namespace
}  // namespace zerkon
