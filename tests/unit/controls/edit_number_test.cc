// Number fields: typing digits and separators on any keyboard layout, the
// value and text on exit, and the messages of a failed check.

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"
#include "edit_behavior_fixture.h"

namespace zerkon::edit {
namespace {

using namespace fixture;

EditBehavior Amount(std::string text = "") {
    EditBehavior e = Loaded(OfType(TypeEdit::teCurrency), std::move(text));
    e.Enter(false, Czech());
    e.state().sel_start = static_cast<int>(e.state().text.size());
    e.state().sel_length = 0;
    return e;
}

// Key-down followed by the character the keyboard layout produced.
void Press(EditBehavior& e, int key, char produced, ShiftState shift = {}) {
    KeyResult k = e.KeyDown(key, shift, Czech());
    (void)k;
    Type(e, std::string(1, produced), Czech());
}

TEST(EditNumberTyping, MainRowKeysTypeDigitsOnAnyLayout) {
    EditBehavior e = Amount();
    EXPECT_EQ(e.KeyDown('2', {}, Czech()).key, 0x62);  // numeric-keypad 2
    Type(e, "\xEC", Czech());                          // Czech layout: ě
    Press(e, '5', '%', {.shift = true});               // Shift held
    EXPECT_EQ(e.state().text, "25");
    // Exactly Ctrl is no digit key; the character then must pass the filter.
    EXPECT_EQ(e.KeyDown('3', {.ctrl = true}, Czech()).key, '3');
    Type(e, "\xEC", Czech());
    EXPECT_EQ(e.state().text, "25");
    // AltGr (Ctrl+Alt) still remaps.
    Press(e, '7', '{', {.ctrl = true, .alt = true});
    EXPECT_EQ(e.state().text, "257");
}

TEST(EditNumberTyping, SeparatorsAndMinus) {
    EditBehavior e = Amount();
    Type(e, "12.5", Czech());
    EXPECT_EQ(e.state().text, "12,5");
    Type(e, ",.", Czech());
    EXPECT_EQ(e.state().text, "12,5");
    Type(e, "-", Czech());  // not at position 0
    EXPECT_EQ(e.state().text, "12,5");
    e.state().sel_start = 0;
    Type(e, "-", Czech());
    EXPECT_EQ(e.state().text, "-12,5");
    e.state().sel_start = 0;
    Type(e, "-x", Czech());
    EXPECT_EQ(e.state().text, "-12,5");
    // A selected whole text takes anything allowed.
    e.state().sel_start = 0;
    e.state().sel_length = 5;
    Type(e, ",", Czech());
    EXPECT_EQ(e.state().text, ",");
    Type(e, "\b\b", Czech());
    EXPECT_EQ(e.state().text, "");
    // A separator at position 0 before a minus is refused.
    e.state().text = "-5";
    e.state().sel_start = 0;
    Type(e, ".", Czech());
    EXPECT_EQ(e.state().text, "-5");
}

TEST(EditNumberTyping, IntegerRefusesSeparatorsAndPositiveRefusesMinus) {
    EditSettings s = OfType(TypeEdit::teInteger);
    s.number.number_area = NumberArea::naPositive;
    EditBehavior e = Loaded(s, "12,7");
    EXPECT_EQ(e.state().text, "12");
    e.Enter(false, Czech());
    e.state().sel_start = 0;
    e.state().sel_length = 0;
    Type(e, "-,.9", Czech());
    EXPECT_EQ(e.state().text, "912");
}

TEST(EditNumberExit, ConvertsToValueAndRewritesText) {
    EditBehavior e = Amount();
    Type(e, "0012,5", Czech());
    EXPECT_FALSE(e.Exit(Czech()).message.has_value());
    EXPECT_EQ(e.state().value, 125000);
    EXPECT_EQ(e.state().text, "12,5");
    EXPECT_EQ(e.Paint().display, "12,5 Kč"_cz);

    EditBehavior minus = Amount();
    Type(minus, "-", Czech());
    minus.Exit(Czech());
    EXPECT_EQ(minus.state().text, "");
    EXPECT_EQ(minus.state().value, 0);

    EditSettings zero = OfType(TypeEdit::teCurrency);
    zero.number.number_none_do_zero = true;
    EditBehavior z = Loaded(zero);
    z.Enter(false, Czech());
    z.Exit(Czech());
    EXPECT_EQ(z.state().text, "0");
    EXPECT_EQ(z.state().value, 0);

    EditBehavior lone = Amount();
    Type(lone, ",", Czech());
    lone.Exit(Czech());
    EXPECT_EQ(lone.state().text, "0");
}

TEST(EditNumberExit, FollowsTheCurrentSeparator) {
    EditBehavior e = Amount("7,25");
    EditEnvironment english = Czech();
    english.decimal_separator = '.';
    e.Exit(english);
    EXPECT_EQ(e.state().text, "7.25");
    EXPECT_EQ(e.state().value, 72500);
}

TEST(EditNumberExit, ValidationErrorRestoresTheUndoCopy) {
    EditSettings s = OfType(TypeEdit::teCurrency);
    s.number.valid = true;
    s.number.value_min = -100 * kAmountUnit;
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    Type(e, "-3", Czech());
    ASSERT_FALSE(e.Exit(Czech()).message.has_value());
    EXPECT_EQ(e.state().value, -30000);
    e.Enter(false, Czech());
    e.state().sel_start = 2;
    e.state().sel_length = 0;
    e.state().text = "-3";
    e.state().sel_start = 0;
    e.state().sel_length = 2;
    Type(e, "5", Czech());
    ExitResult r = e.Exit(Czech());
    EXPECT_EQ(r.message, "Maximální číselná hodnota je \"0\""_cz);
    EXPECT_TRUE(r.refocus);
    EXPECT_TRUE(r.fire_on_exit);
    EXPECT_EQ(e.state().text, "-3");
    EXPECT_EQ(e.state().value, -30000);
    EXPECT_EQ(e.state().sel_start, 0);
    EXPECT_EQ(e.state().sel_length, 0);
}

TEST(EditNumberExit, RewrittenTextKeepsTheCaretInside) {
    // Without conversion to the value the normalised text is what stays.
    for (bool to_value : {true, false}) {
        EditSettings s = OfType(TypeEdit::teCurrency);
        s.number.number_text_to_value = to_value;
        EditBehavior e = Loaded(s);
        e.Enter(false, Czech());
        Type(e, "000000009", Czech());
        EXPECT_EQ(e.state().sel_start, 9);
        e.Exit(Czech());
        EXPECT_EQ(e.state().text, to_value ? "9" : "9,00");
        EXPECT_LE(e.state().sel_start, static_cast<int>(e.state().text.size()));
        EXPECT_EQ(e.state().sel_length, 0);
    }
}

TEST(EditNumberExit, ShownDecimalsAreNoDigitsOfTheCheckedValue) {
    // Decimal 0 with two shown decimals writes 5,00: checked as 5, not 500.
    EditSettings s = OfType(TypeEdit::teFloat);
    s.number.decimal = 0;
    s.number.decimal_show = 2;
    s.number.number_text_to_value = false;
    s.number.valid = true;
    s.number.value_min = 100 * kAmountUnit;
    s.number.value_max = 1000 * kAmountUnit;
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    Type(e, "5", Czech());
    EXPECT_EQ(e.Exit(Czech()).message, "Minimální číselná hodnota je \"100\""_cz);
}

TEST(EditNumberExit, EmptyValidatedFieldMayBeLeft) {
    EditSettings s = OfType(TypeEdit::teInteger);
    s.number.valid = true;
    s.number.number_area = NumberArea::naOnlyPositive;
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    ExitResult r = e.Exit(Czech());
    EXPECT_FALSE(r.message.has_value());
    EXPECT_FALSE(r.refocus);
    EXPECT_EQ(e.state().value, 0);
}

TEST(EditNumberExit, PastedNonsenseIsReportedNotKept) {
    EditBehavior e = Amount();
    e.state().text = "abc";
    ExitResult r = e.Exit(Czech());
    EXPECT_EQ(r.message, "Zadaná číselná hodnota \"abc\" není číslo !"_cz);
    EXPECT_EQ(e.state().text, "");
}

TEST(EditValue, ClampsAndRewrites) {
    EditSettings s = OfType(TypeEdit::teCurrency);
    s.number.value_max = 100 * kAmountUnit;
    EditBehavior e = Loaded(s);
    e.SetValue(1505000, Czech());
    EXPECT_EQ(e.state().value, 100 * kAmountUnit);
    EXPECT_EQ(e.state().text, "100");
    e.SetValue(123456, Czech());
    EXPECT_EQ(e.state().text, "12,34");

    EditBehavior str = Loaded(EditSettings(), "abc");
    str.SetValue(7, Czech());
    EXPECT_EQ(str.state().value, 7);
    EXPECT_EQ(str.state().text, "abc");
    str.state().text.clear();
    str.TextChanged();
    EXPECT_EQ(str.state().value, 0);
}

}  // namespace
}  // namespace zerkon::edit
