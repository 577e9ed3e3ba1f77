#include "platform/instance_registry.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zerkon
