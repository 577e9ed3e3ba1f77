#include "platform/instance_registry.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace zerkon {
namespace {

InstanceTable EmptyTable() {
    return InstanceTable{};
}

std::vector<uint32_t> Ids(const InstanceTable& table) {
    return {table.ids, table.ids + table.count};
}

auto AllRunning() {
    return [](uint32_t) { return true; };
}

TEST(InstanceRegistry, FirstCopyFindsNobodyAndLaterCopiesFindTheFirst) {
    InstanceTable table = EmptyTable();
    auto first = RegisterInstance(table, 100, AllRunning());
    EXPECT_EQ(first.registered_before, 0u);
    EXPECT_EQ(table.allowed, 1u);

    auto second = RegisterInstance(table, 200, AllRunning());
    EXPECT_EQ(second.registered_before, 1u);
    EXPECT_EQ(second.first_id, 100u);
    auto third = RegisterInstance(table, 300, AllRunning());
    EXPECT_EQ(third.registered_before, 2u);
    EXPECT_EQ(third.first_id, 100u);
    EXPECT_EQ(Ids(table), (std::vector<uint32_t>{100, 200, 300}));
}

TEST(InstanceRegistry, CopiesThatNoLongerRunAreDropped) {
    InstanceTable table = EmptyTable();
    RegisterInstance(table, 100, AllRunning());
    RegisterInstance(table, 200, AllRunning());
    // 100 crashed without unregistering: 200 becomes the first copy.
    std::set<uint32_t> running{200};
    auto next = RegisterInstance(table, 300, [&](uint32_t id) { return running.count(id) > 0; });
    EXPECT_EQ(next.registered_before, 1u);
    EXPECT_EQ(next.first_id, 200u);

    // Everybody gone: the new copy starts as the only one.
    auto alone = RegisterInstance(table, 400, [](uint32_t) { return false; });
    EXPECT_EQ(alone.registered_before, 0u);
    EXPECT_EQ(Ids(table), std::vector<uint32_t>{400});
}

TEST(InstanceRegistry, StaleEntryWithOwnReusedIdDoesNotCountAsAnotherCopy) {
    InstanceTable table = EmptyTable();
    RegisterInstance(table, 100, AllRunning());
    auto again = RegisterInstance(table, 100, AllRunning());
    EXPECT_EQ(again.registered_before, 0u);
    EXPECT_EQ(Ids(table), std::vector<uint32_t>{100});
}

TEST(InstanceRegistry, FullListStillReportsTheFirstCopy) {
    InstanceTable table = EmptyTable();
    for (uint32_t id = 1; id <= InstanceTable::kCapacity; ++id) {
        RegisterInstance(table, id, AllRunning());
    }
    auto overflow = RegisterInstance(table, 999, AllRunning());
    EXPECT_EQ(overflow.registered_before, InstanceTable::kCapacity);
    EXPECT_EQ(overflow.first_id, 1u);
    EXPECT_EQ(table.count, InstanceTable::kCapacity);

    // A corrupt count is clamped instead of reading past the list.
    table.count = 1000;
    UnregisterInstance(table, 1);
    EXPECT_EQ(table.count, InstanceTable::kCapacity - 1);
}

TEST(InstanceRegistry, UnregisterRemovesOnlyOwnIdAndKeepsOrder) {
    InstanceTable table = EmptyTable();
    for (uint32_t id : {10u, 20u, 30u}) RegisterInstance(table, id, AllRunning());
    UnregisterInstance(table, 20);
    EXPECT_EQ(Ids(table), (std::vector<uint32_t>{10, 30}));
    UnregisterInstance(table, 77);
    EXPECT_EQ(Ids(table), (std::vector<uint32_t>{10, 30}));
    UnregisterInstance(table, 10);
    auto next = RegisterInstance(table, 40, AllRunning());
    EXPECT_EQ(next.first_id, 30u);
}

TEST(InstanceObjectName, DependsOnPathAndKindAndIsAValidObjectName) {
    auto a = InstanceObjectName("List", u"C:\\A\\ZERKON.EXE");
    EXPECT_EQ(a, InstanceObjectName("List", u"C:\\A\\ZERKON.EXE"));
    EXPECT_NE(a, InstanceObjectName("List", u"C:\\B\\ZERKON.EXE"));
    EXPECT_NE(a, InstanceObjectName("Lock", u"C:\\A\\ZERKON.EXE"));
    EXPECT_EQ(a.find('\\'), std::string::npos);
    EXPECT_LT(a.size(), 64u);
}

// The system as Windows answers for a copy started from a SUBST or network drive: the process
// query gives the resolved path, while the copy itself knows the path it was started by.
class FakeProcessQuery final : public ProcessQuery {
  public:
    std::set<uint32_t> running;
    std::map<uint32_t, std::u16string> images;
    std::map<std::u16string, FileIdentity> identities;

    bool IsRunning(uint32_t pid) override { return running.count(pid) > 0; }
    std::optional<std::u16string> ImagePath(uint32_t pid) override {
        auto it = images.find(pid);
        if (it == images.end()) return std::nullopt;
        return it->second;
    }
    std::optional<FileIdentity> IdentityOf(std::u16string_view path) override {
        auto it = identities.find(std::u16string(path));
        if (it == identities.end()) return std::nullopt;
        return it->second;
    }
};

TEST(RunsSameProgram, TellsTheFileByIdentityNotByItsName) {
    FakeProcessQuery query;
    query.identities = {{u"S:\\ZERKON.EXE", {7, 42}},
                        {u"C:\\REAL\\ZERKON.EXE", {7, 42}},
                        {u"\\\\SERVER\\APPS\\ZERKON.EXE", {7, 42}},
                        {u"C:\\OTHER\\ZERKON.EXE", {7, 43}},
                        {u"C:\\ZERO\\ZERKON.EXE", {0, 0}}};
    const OwnProgramFile own = DescribeOwnProgram(query, u"S:\\ZERKON.EXE");
    struct Case {
        const char* what;
        bool running;
        std::optional<std::u16string> image;
        bool same;
    } cases[] = {
        {"SUBST drive, resolved path", true, u"C:\\REAL\\ZERKON.EXE", true},
        {"mapped drive, share path", true, u"\\\\SERVER\\APPS\\ZERKON.EXE", true},
        {"another copy of the program", true, u"C:\\OTHER\\ZERKON.EXE", false},
        {"ended", false, u"C:\\REAL\\ZERKON.EXE", false},
        {"executable cannot be told", true, std::nullopt, true},
        {"unreadable file, same text", true, u"S:\\ZERKON.EXE", true},
        {"unreadable file, other text", true, u"C:\\GONE\\ZERKON.EXE", false},
        {"no identity from the share", true, u"C:\\ZERO\\ZERKON.EXE", false},
    };
    for (const Case& c : cases) {
        query.running = c.running ? std::set<uint32_t>{5} : std::set<uint32_t>{};
        query.images.clear();
        if (c.image) query.images[5] = *c.image;
        EXPECT_EQ(RunsSameProgram(query, 5, own), c.same) << c.what;
    }
}

TEST(InstanceKey, EveryNameOfTheFileGivesTheSameKey) {
    FakeProcessQuery query;
    query.identities = {{u"Y:\\ZERKON.EXE", {7, 42}}, {u"Z:\\B\\ZERKON.EXE", {7, 42}}};
    EXPECT_EQ(InstanceKey(DescribeOwnProgram(query, u"Y:\\ZERKON.EXE")),
              InstanceKey(DescribeOwnProgram(query, u"Z:\\B\\ZERKON.EXE")));
    query.identities[u"Z:\\C\\ZERKON.EXE"] = {7, 43};
    EXPECT_NE(InstanceKey(DescribeOwnProgram(query, u"Y:\\ZERKON.EXE")),
              InstanceKey(DescribeOwnProgram(query, u"Z:\\C\\ZERKON.EXE")));
    // Without an identity the path names the list, as before.
    EXPECT_EQ(InstanceKey(DescribeOwnProgram(query, u"C:\\NONE\\ZERKON.EXE")),
              u"C:\\NONE\\ZERKON.EXE");
}

}  // namespace
}  // namespace zerkon
