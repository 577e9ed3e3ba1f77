#include "controls/mask_edit.h"

#include <gtest/gtest.h>

#include <random>

namespace zerkon {
namespace {

constexpr const char* kDate = "!99.99.9999";

TMaskSpecEdit MaskSettings(const char* mask, bool labeled = false) {
    TMaskSpecEdit mask_settings;
    mask_settings.Mask = mask;
    RebuildMaskTypingSet(mask_settings, labeled);
    return mask_settings;
}

MaskEditText At(const char* text, int caret, int length = 0) {
    return {text, caret, length};
}

MaskEditText Type(const TMaskSpecEdit& mask_settings, MaskEditText edit, std::string_view keys) {
    for (char c : keys) edit = MaskTypeCharacter(mask_settings, edit, c).edit;
    return edit;
}

MaskEditText Key(const TMaskSpecEdit& mask_settings, const MaskEditText& edit, int key) {
    return MaskKeyDown(mask_settings, edit, key, false).edit;
}

TEST(FitTextToMask, CompletesWithLiteralsAndCuts) {
    EXPECT_EQ(FitTextToMask("", kDate), "__.__.____");
    EXPECT_EQ(FitTextToMask("12", kDate), "12.__.____");
    EXPECT_EQ(FitTextToMask("12.05.20091", kDate), "12.05.2009");
    EXPECT_EQ(FitTextToMask("", "!99.99."), "__.__.");
    // Only '0' and '9' are placeholders of a flowing mask.
    EXPECT_EQ(FitTextToMask("", "99-1x9"), "__-1x_");
    EXPECT_EQ(FitTextToMask("", "!99-1x9"), "__-_x_");
    // A text already at the body's length keeps even a foreign literal.
    EXPECT_EQ(FitTextToMask("12/05/2009", kDate), "12/05/2009");
    EXPECT_EQ(FitTextToMask("abc", "!"), "abc");
}

TEST(MaskTypingSet, DependsOnControlKindAndMask) {
    TMaskSpecEdit edit = MaskSettings(kDate);
    EXPECT_EQ(edit.typing_set, "0123456789");
    TMaskSpecEdit labeled = MaskSettings(kDate, true);
    EXPECT_EQ(labeled.typing_set, " 0123456789");

    // Without '9' or '0' a labeled edit keeps what it had (nothing at first).
    TMaskSpecEdit odd = MaskSettings("!88.88", true);
    EXPECT_EQ(odd.typing_set, "");
    EXPECT_FALSE(MaskTypeCharacter(odd, At("__.__", 0), '1').accepted);
    odd.Mask = "!99";
    RebuildMaskTypingSet(odd, true);
    odd.Mask = "!88";
    RebuildMaskTypingSet(odd, true);
    EXPECT_EQ(odd.typing_set, " 0123456789");

    // A flowing mask of only '0' placeholders: TMEdit finds no '9', '!' or '?'.
    EXPECT_EQ(MaskSettings("00/00").typing_set, "");
    EXPECT_EQ(MaskSettings("00/00", true).typing_set, " 0123456789");
}

TEST(MaskTyping, RefusesCharactersOutsideTheSet) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    for (char c : {'a', ' ', '.', '_', '\0', '\x16'}) {
        MaskTypeResult r = MaskTypeCharacter(mask_settings, At("1_.__.____", 1), c);
        EXPECT_FALSE(r.accepted) << int(c);
        EXPECT_EQ(r.edit, At("1_.__.____", 1));
    }
    TMaskSpecEdit never_entered;
    never_entered.Mask = kDate;
    EXPECT_FALSE(MaskTypeCharacter(never_entered, At("__.__.____", 0), '1').accepted);
}

TEST(MaskTyping, DigitsFillDateAndJumpTheDots) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    EXPECT_EQ(Type(mask_settings, At("__.__.____", 0), "1"), At("1_.__.____", 1));
    EXPECT_EQ(Type(mask_settings, At("__.__.____", 0), "12"), At("12.__.____", 3));
    EXPECT_EQ(Type(mask_settings, At("__.__.____", 0), "12052009"), At("12.05.2009", 10));
    // At the end nothing changes.
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 10), "7"), At("12.05.2009", 10));
    // Overwriting keeps the rest.
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 3), "1"), At("12.15.2009", 4));
    // An unfitted text is fitted first.
    EXPECT_EQ(Type(mask_settings, At("", 0), "3"), At("3_.__.____", 1));
}

TEST(MaskTyping, CaretBeforeALiteralTypesBehindIt) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    EXPECT_EQ(Type(mask_settings, At("12.__.____", 2), "5"), At("12.5_.____", 4));
    // A literal at the very end: nothing to type into.
    TMaskSpecEdit period = MaskSettings("!99.99.");
    EXPECT_EQ(Type(period, At("12.05.", 5), "1"), At("12.05.", 5));
}

TEST(MaskTyping, SelectionIsBlankedBeforeADigit) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 0, 5), "3"), At("3_.__.2009", 1));
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 0, 10), "3"), At("3_.__.____", 1));
    // One selected character is typed over like a caret.
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 1, 1), "7"), At("17.05.2009", 3));
    // A space over a selection does not blank it.
    TMaskSpecEdit labeled = MaskSettings(kDate, true);
    EXPECT_EQ(Type(labeled, At("12.05.2009", 0, 5), " "), At(" 2.05.2009", 1));
}

TEST(MaskTyping, QuarterHourAndTimeMasks) {
    TMaskSpecEdit quarter = MaskSettings("!99:15");
    EXPECT_EQ(Type(quarter, At("__:__", 0), "1030"), At("10:30", 5));
    TMaskSpecEdit time = MaskSettings("!99:99:99.999");
    EXPECT_EQ(Type(time, At("", 0), "235959123"), At("23:59:59.123", 12));
}

TEST(MaskBackspace, ClearsDigitsAndWalksOverLiterals) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 3), vk::kBack), At("12.05.2009", 2));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 2), vk::kBack), At("1_.05.2009", 1));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 0), vk::kBack), At("12.05.2009", 0));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 4, 1), vk::kBack), At("12._5.2009", 3));
    // A space (typed into a labeled field) is not a digit and stays.
    EXPECT_EQ(Key(mask_settings, At(" 2.05.2009", 1), vk::kBack), At(" 2.05.2009", 0));
}

TEST(MaskDelete, ShiftsWithinTheGroupOnly) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 0), vk::kDelete), At("2_.05.2009", 0));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 6), vk::kDelete), At("12.05.009_", 6));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 8), vk::kDelete), At("12.05.209_", 8));
    // Right before a literal the group is empty.
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 2), vk::kDelete), At("12.05.2009", 2));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 10), vk::kDelete), At("12.05.2009", 10));
}

TEST(MaskDelete, SelectionBlanksDigitsForBothKeys) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    for (int key : {vk::kBack, vk::kDelete}) {
        EXPECT_EQ(Key(mask_settings, At("12.05.2009", 1, 4), key), At("1_.__.2009", 1));
    }
}

TEST(MaskKeyDown, DiscardsPasteAndEditingKeysOnly) {
    TMaskSpecEdit mask_settings = MaskSettings(kDate);
    MaskKeyDownResult paste = MaskKeyDown(mask_settings, At("12.05.2009", 3), vk::kInsert, true);
    EXPECT_TRUE(paste.discard);
    EXPECT_EQ(paste.edit, At("12.05.2009", 3));
    EXPECT_FALSE(MaskKeyDown(mask_settings, At("12.05.2009", 3), vk::kInsert, false).discard);
    EXPECT_FALSE(MaskKeyDown(mask_settings, At("12.05.2009", 3), 0x25, false).discard);
    EXPECT_TRUE(MaskKeyDown(mask_settings, At("12.05.2009", 3), vk::kDelete, true).discard);
    EXPECT_TRUE(MaskDropsCharacter('\b'));
    EXPECT_TRUE(MaskDropsCharacter('.'));
    EXPECT_FALSE(MaskDropsCharacter('1'));
}

TEST(FlowingMask, RemovedCharactersCloseTheGap) {
    TMaskSpecEdit mask_settings = MaskSettings("99.99.9999");
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 1), vk::kBack), At("20.52.009_", 0));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 3), vk::kDelete), At("12.52.009_", 3));
    // Removing a literal only re-places it.
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 3), vk::kBack), At("12.05.2009", 2));
    EXPECT_EQ(Key(mask_settings, At("12.05.2009", 0, 6), vk::kDelete), At("20.09.____", 0));
    // A digit that is one of the mask's literals is not copied into a place.
    TMaskSpecEdit digit_literal = MaskSettings("99-1x9");
    EXPECT_EQ(Key(digit_literal, At("12-1x3", 1), vk::kBack), At("23-1x_", 0));
}

TEST(FlowingMask, TypingOverwritesEmptyPlacesAndInsertsAtDigits) {
    TMaskSpecEdit mask_settings = MaskSettings("99.99.9999");
    EXPECT_EQ(Type(mask_settings, At("__.__.____", 0), "12"), At("12.__.____", 3));
    EXPECT_EQ(Type(mask_settings, At("12.__.____", 0), "3"), At("31.2_.____", 1));
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 3), "7"), At("12.70.5200", 4));
    EXPECT_EQ(Type(mask_settings, At("12.__.____", 2), "7"), At("12.7_.____", 4));
    EXPECT_EQ(Type(mask_settings, At("12.05.2009", 10), "7"), At("12.05.2009", 10));
    TMaskSpecEdit period = MaskSettings("99.99.");
    EXPECT_EQ(Type(period, At("12.34.", 5), "5"), At("12.34.", 5));
}

// After any sequence of keys a masked text keeps the body's length with every
// literal at its place, and the caret stays inside the text.
TEST(MaskProperty, RandomKeysKeepThePattern) {
    const char* masks[] = {kDate,        "!99.99.", "!99:99:99.999", "?99:99", "!99:15",
                           "99.99.9999", "99-1x9",  "(999) 999-999", "!9"};
    std::mt19937 random(20090105);
    for (const char* mask : masks) {
        for (bool labeled : {false, true}) {
            TMaskSpecEdit mask_settings = MaskSettings(mask, labeled);
            std::string body(MaskBody(mask));
            std::string empty = FitTextToMask("", mask);
            MaskEditText edit{empty, 0, 0};
            for (int step = 0; step < 3000; ++step) {
                int size = static_cast<int>(edit.text.size());
                edit.sel_start = std::uniform_int_distribution<int>(0, size)(random);
                int room = size - edit.sel_start;
                int pick = std::uniform_int_distribution<int>(0, 3)(random);
                edit.sel_length =
                    pick == 0 ? std::uniform_int_distribution<int>(0, room)(random) : 0;
                int action = std::uniform_int_distribution<int>(0, 9)(random);
                if (action < 6) {
                    const char keys[] = "0123456789 a._";
                    char c = keys[std::uniform_int_distribution<int>(0, 13)(random)];
                    edit = MaskTypeCharacter(mask_settings, edit, c).edit;
                } else {
                    int keys[] = {vk::kBack, vk::kDelete, vk::kInsert};
                    int key = keys[std::uniform_int_distribution<int>(0, 2)(random)];
                    edit = MaskKeyDown(mask_settings, edit, key, action == 9).edit;
                }
                ASSERT_EQ(edit.text.size(), body.size()) << mask << " step " << step;
                ASSERT_GE(edit.sel_start, 0);
                ASSERT_LE(edit.sel_start, static_cast<int>(edit.text.size()));
                for (size_t p = 0; p < empty.size(); ++p) {
                    if (empty[p] != '_') {
                        ASSERT_EQ(edit.text[p], empty[p]) << mask << " " << edit.text;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace zerkon
