#include "shell/maker_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace zerkon {
namespace {

// Keys that exist, with their values; a key not listed cannot be opened.
class FakeRegistry : public RegistryReader {
  public:
    void AddKey(RegistryRoot root, const std::string& key) { keys_[{root, key}]; }
    void Set(RegistryRoot root, const std::string& key, const std::string& name,
             const std::string& value) {
        keys_[{root, key}][name] = value;
    }

    std::string ReadRegistryString(RegistryRoot root, std::string_view key_path,
                                   std::string_view value_name,
                                   std::string_view default_value) const override {
        reads.emplace_back(root, std::string(key_path));
        auto key = keys_.find({root, std::string(key_path)});
        if (key == keys_.end()) return std::string(default_value);
        auto value = key->second.find(std::string(value_name));
        return value == key->second.end() ? std::string() : value->second;
    }

    mutable std::vector<std::pair<RegistryRoot, std::string>> reads;

  private:
    std::map<std::pair<RegistryRoot, std::string>, std::map<std::string, std::string>> keys_;
};

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kMachine = RegistryRoot::LocalMachine;
const std::string kRal = "Software\\MORV\\RAL";

std::string RalPath(const FakeRegistry& registry) {
    return ReadMakerSetting(registry, kRalSubKey, "", kInstallPathValue);
}

TEST(ReadMakerSetting, PerUserValueWinsOverMachineWideOne) {
    FakeRegistry registry;
    registry.Set(kUser, kRal, "InstallPath", "C:\\User\\RAL");
    registry.Set(kMachine, kRal, "InstallPath", "C:\\Machine\\RAL");
    EXPECT_EQ(RalPath(registry), "C:\\User\\RAL");
    EXPECT_EQ(registry.reads.size(), 1u);
}

TEST(ReadMakerSetting, FallsBackToMachineWideWhenPerUserIsMissingOrEmpty) {
    FakeRegistry machine_only;
    machine_only.Set(kMachine, kRal, "InstallPath", "C:\\Machine\\RAL");
    EXPECT_EQ(RalPath(machine_only), "C:\\Machine\\RAL");

    FakeRegistry key_without_value;
    key_without_value.AddKey(kUser, kRal);
    key_without_value.Set(kMachine, kRal, "InstallPath", "C:\\Machine\\RAL");
    EXPECT_EQ(RalPath(key_without_value), "C:\\Machine\\RAL");

    FakeRegistry empty_per_user;
    empty_per_user.Set(kUser, kRal, "InstallPath", "");
    empty_per_user.Set(kMachine, kRal, "InstallPath", "C:\\Machine\\RAL");
    EXPECT_EQ(RalPath(empty_per_user), "C:\\Machine\\RAL");
}

TEST(ReadMakerSetting, EmptyWhenNeitherRootHasTheValue) {
    FakeRegistry nothing;
    EXPECT_EQ(RalPath(nothing), "");
    EXPECT_EQ(nothing.reads.size(), 2u);

    FakeRegistry both_empty;
    both_empty.Set(kUser, kRal, "InstallPath", "");
    both_empty.Set(kMachine, kRal, "InstallPath", "");
    both_empty.Set(kMachine, kRal, "Other", "x");
    EXPECT_EQ(RalPath(both_empty), "");
}

TEST(ReadMakerSetting, BuildsKeyPathFromMakerKeySubKeyAndSecondPart) {
    FakeRegistry registry;
    registry.Set(kUser, "Software\\MORV\\Olbrix", "InstallPath", "C:\\Olbrix");
    registry.Set(kUser, "Software\\MORV\\Zuta\\Extra", "InstallVersion", "3.1");
    EXPECT_EQ(ReadMakerSetting(registry, kOlbrixSubKey, "", kInstallPathValue), "C:\\Olbrix");
    EXPECT_EQ(ReadMakerSetting(registry, kZutaSubKey, "\\Extra", kInstallVersionValue), "3.1");
    EXPECT_EQ(ReadMakerSetting(registry, kZutaSubKey, "", kInstallVersionValue), "");
}

TEST(ReadMakerSetting, MachineWidePrimaryRootIsTriedFirst) {
    FakeRegistry registry;
    registry.Set(kUser, kRal, "InstallPath", "C:\\User\\RAL");
    registry.Set(kMachine, kRal, "InstallPath", "C:\\Machine\\RAL");
    EXPECT_EQ(ReadMakerSetting(registry, kRalSubKey, "", kInstallPathValue, kMachine),
              "C:\\Machine\\RAL");
    registry.Set(kMachine, kRal, "InstallPath", "");
    EXPECT_EQ(ReadMakerSetting(registry, kRalSubKey, "", kInstallPathValue, kMachine),
              "C:\\User\\RAL");
}

}  // namespace
}  // namespace zerkon
