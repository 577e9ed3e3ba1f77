#include "controls/combo_edit.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"
#include "controls/combo_list.h"
#include "controls/mask_edit.h"

namespace zerkon {
namespace {

TEST(ComboItems, ValueBeforeTheMarkAndShownWithoutIt) {
    std::vector<ComboItem> items = ParseComboItems("01‡ Mzda|02‡ Odměna"_cz);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], (ComboItem{"01", "01 Mzda"}));
    EXPECT_EQ(items[1], (ComboItem{"02", "02 Odměna"_cz}));
    // Only the first mark splits; an item without one is its own value.
    EXPECT_EQ(ParseComboItems("a‡b‡c|Jan"_cz)[0], (ComboItem{"a", "ab‡c"_cz}));
    EXPECT_EQ(ParseComboItems("a‡b‡c|Jan"_cz)[1], (ComboItem{"Jan", "Jan"}));
}

TEST(ComboItems, EmptyItemsAreNeitherShownNorCounted) {
    EXPECT_EQ(ParseComboItems("").size(), 0u);
    EXPECT_EQ(ParseComboItems("||").size(), 0u);
    const char* items = "|Anna||Adam|";
    EXPECT_EQ(ComboItemByIndex(items, 0), "Anna");
    EXPECT_EQ(ComboItemByIndex(items, 1), "Adam");
    EXPECT_EQ(ComboItemByIndex(items, 2), "");
    EXPECT_EQ(ComboItemByIndex(items, -1), "");
    EXPECT_EQ(ComboItemByIndex("01‡ Mzda|02‡ Odměna"_cz, 1), "02");
}

TEST(ComboTypeAhead, CyclesThroughItemsWithTheLetter) {
    const char* items = "Anna|Bedřich|Adam|Alena"_cz;
    std::string text;
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        text = ComboTypeAhead(items, text, 'a');
        seen.push_back(text);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Anna", "Adam", "Alena", "Anna"}));
    EXPECT_EQ(ComboTypeAhead(items, "Adam", 'A'), "Alena");
    // A text that is no matching item starts from the first match.
    EXPECT_EQ(ComboTypeAhead(items, "Bedřich"_cz, 'a'), "Anna");
    // No match leaves the text.
    EXPECT_EQ(ComboTypeAhead(items, "Adam", 'x'), "Adam");
    // Czech letters compare in upper case too.
    EXPECT_EQ(ComboTypeAhead("Cyril|Čeněk|čáp"_cz, "", "č"_cz[0]), "Čeněk"_cz);
    EXPECT_EQ(ComboTypeAhead("Cyril|Čeněk|čáp"_cz, "Čeněk"_cz, "Č"_cz[0]), "čáp"_cz);
    // Values, not shown texts, are matched and returned.
    EXPECT_EQ(ComboTypeAhead("01‡ Mzda|X‡ 0"_cz, "", '0'), "01");
}

TEST(ComboField, LoadKeysAndTypeAheadSwitch) {
    TComboBoxEdit combo;
    combo.Items = "Anna|Adam";
    EXPECT_EQ(ComboTextOnLoad(combo), "");
    combo.ItemIndex = 1;
    EXPECT_EQ(ComboTextOnLoad(combo), "Adam");
    combo.ItemIndex = 5;
    EXPECT_EQ(ComboTextOnLoad(combo), "");

    for (int key : {vk::kBack, vk::kDelete}) {
        ComboKeyDownResult r = ComboKeyDown(combo, key, false);
        EXPECT_TRUE(r.handled && r.clear_text);
    }
    ComboKeyDownResult paste = ComboKeyDown(combo, vk::kInsert, true);
    EXPECT_TRUE(paste.handled);
    EXPECT_FALSE(paste.clear_text);
    EXPECT_FALSE(ComboKeyDown(combo, vk::kInsert, false).handled);
    combo.OffDelKey = true;
    EXPECT_FALSE(ComboKeyDown(combo, vk::kBack, false).handled);
    EXPECT_FALSE(ComboKeyDown(combo, vk::kDelete, false).clear_text);

    EXPECT_EQ(ComboKeyPress(combo, "", 'a'), "Anna");
    combo.ItemActionKey = false;
    EXPECT_EQ(ComboKeyPress(combo, "", 'a'), "");
}

TEST(ComboField, DropDownCountOutsideOneToTwentyBecomesSix) {
    for (int count : {0, -3, 21, 25}) {
        TComboBoxEdit combo;
        combo.DropDownCount = count;
        EXPECT_EQ(NormalizeDropDownCount(combo), 6);
        EXPECT_EQ(combo.DropDownCount, 6);
        EXPECT_EQ(NormalizedDropDownCount(count), 6);
    }
    for (int count : {1, 8, 20}) EXPECT_EQ(NormalizedDropDownCount(count), count);
}

TEST(PickListRows, SortedCzechWithValuesFollowingTheirRows) {
    PickListRows list =
        BuildPickListRows("Žofie|cyril|Čeněk|Adam|Hana|Chrudoš|Ivan|Ábel"_cz, true, "");
    std::vector<std::string> shown;
    for (const ComboItem& row : list.rows) shown.push_back(row.shown);
    EXPECT_EQ(shown, (std::vector<std::string>{"Ábel"_cz, "Adam", "cyril", "Čeněk"_cz, "Hana",
                                               "Chrudoš"_cz, "Ivan", "Žofie"_cz}));
    PickListRows coded = BuildPickListRows("2‡ Odměna|1‡ Mzda"_cz, true, "2");
    EXPECT_EQ(coded.rows[0], (ComboItem{"1", "1 Mzda"}));
    EXPECT_EQ(coded.rows[1], (ComboItem{"2", "2 Odměna"_cz}));
    EXPECT_EQ(coded.preselected, 1);
    EXPECT_EQ(PickListResultText(coded, PickListClose::kAccepted, 0, "2"), "1");
    // Without sorting the list order stays.
    EXPECT_EQ(BuildPickListRows("b|a", false, "").rows.front().value, "b");
    EXPECT_TRUE(PickListTextLess("abc", "ABD"));
    EXPECT_FALSE(PickListTextLess("abc", "abc"));
    EXPECT_TRUE(PickListTextLess("Adam", "Adám"_cz));
}

TEST(PickListRows, PreselectsTheFieldsItem) {
    const char* items = "01‡ Mzda|02‡ Odměna"_cz;
    EXPECT_EQ(BuildPickListRows(items, false, "02").preselected, 1);
    EXPECT_EQ(BuildPickListRows(items, false, "02 Odměna"_cz).preselected, 1);
    EXPECT_EQ(BuildPickListRows(items, false, "03").preselected, 0);
    EXPECT_EQ(BuildPickListRows("", false, "").preselected, -1);
}

TEST(PickListGeometry, UnderTheFieldOrAboveNearTheBottom) {
    PickListGeometryInput in;
    in.field_client_left = 100;
    in.field_client_top = 200;
    in.field_width = 120;
    in.field_height = 21;
    in.widest_text = 80;
    in.row_count = 3;
    in.drop_down_count = 8;
    in.font_points = 8;
    in.work_area_bottom = 768;
    EXPECT_EQ(PickListGeometry(in), (PickListRect{98, 218, 120, 3 * 13 + 10}));

    in.row_count = 30;
    in.drop_down_count = 6;
    EXPECT_EQ(PickListGeometry(in).height, 6 * 13 + 10);

    in.widest_text = 150;
    EXPECT_EQ(PickListGeometry(in), (PickListRect{98 - 41, 218, 166, 88}));
    in.field_client_left = 10;
    EXPECT_EQ(PickListGeometry(in).left, 2);

    // 218 + 88 passes 300: the list opens above the field.
    in.field_client_left = 100;
    in.work_area_bottom = 300;
    EXPECT_EQ(PickListGeometry(in), (PickListRect{57, 218 - 88 - 21, 166, 88}));
    in.work_area_bottom = 306;
    EXPECT_EQ(PickListGeometry(in).top, 218);

    // At 144 DPI the same field (measured at that DPI) and font: the fixed pixels scale, the
    // rows are 13 * 1.5 = 19.5 -> 20 high.
    in = {.field_client_left = 150,
          .field_client_top = 300,
          .field_width = 180,
          .field_height = 32,
          .widest_text = 225,
          .row_count = 3,
          .drop_down_count = 8,
          .font_points = 8,
          .work_area_bottom = 1000,
          .dpi = 144};
    EXPECT_EQ(PickListRowHeight(8, 144), 20);
    EXPECT_EQ(PickListGeometry(in), (PickListRect{147 - 62, 327, 249, 3 * 20 + 15}));
}

TEST(PickListState, AcceptCancelAndMouseLeave) {
    PickListState plain(false);
    EXPECT_EQ(plain.OnEvent(PickListEvent::kEnterKey), PickListClose::kAccepted);
    EXPECT_EQ(plain.OnEvent(PickListEvent::kDoubleClick), PickListClose::kAccepted);
    EXPECT_EQ(plain.OnEvent(PickListEvent::kEscapeKey), PickListClose::kCancelled);
    EXPECT_EQ(plain.OnEvent(PickListEvent::kRightButtonDown), PickListClose::kCancelled);
    EXPECT_EQ(plain.OnEvent(PickListEvent::kMouseEnter), PickListClose::kStayOpen);
    EXPECT_EQ(plain.OnEvent(PickListEvent::kMouseLeave), PickListClose::kStayOpen);

    PickListState leaving(true);
    EXPECT_EQ(leaving.OnEvent(PickListEvent::kMouseLeave), PickListClose::kStayOpen);
    EXPECT_EQ(leaving.OnEvent(PickListEvent::kMouseEnter), PickListClose::kStayOpen);
    EXPECT_TRUE(leaving.entered());
    EXPECT_EQ(leaving.OnEvent(PickListEvent::kMouseLeave), PickListClose::kCancelled);
}

TEST(PickListState, ResultTextOnlyWhenAcceptedWithARow) {
    PickListRows list = BuildPickListRows("01‡ Mzda|02‡ Odměna"_cz, false, "");
    EXPECT_EQ(PickListResultText(list, PickListClose::kAccepted, 1, "01"), "02");
    EXPECT_EQ(PickListResultText(list, PickListClose::kCancelled, 1, "01"), "01");
    EXPECT_EQ(PickListResultText(list, PickListClose::kAccepted, -1, "01"), "01");
    EXPECT_EQ(PickListResultText(list, PickListClose::kAccepted, 2, "01"), "01");
}

}  // namespace
}  // namespace zerkon
