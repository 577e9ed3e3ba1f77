// Key sequences typed into each kind of field, checked against the texts,
// carets, values and messages a user should see.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "controls/edit_behavior.h"
#include "standard_edit_fake.h"

namespace zerkon::edit {
namespace {

EditEnvironment Env() {
    EditEnvironment env;
    env.upper = [](char c) { return UpperCase1250(c); };
    env.lower = [](char c) { return LowerCase1250(c); };
    env.now.now = {2026, 3, 15, 10, 20, 7};
    return env;
}

// The standard edit: inserts what the behaviour passes on.
void Type(EditBehavior& e, std::string_view chars) {
    testing::TypeThroughStandardEdit(e, chars, Env());
}

void Caret(EditBehavior& e, int pos, int length = 0) {
    e.state().sel_start = pos;
    e.state().sel_length = length;
}

EditBehavior Field(TypeEdit type, std::string layout_text = "",
                   void (*tweak)(EditSettings&) = nullptr) {
    EditSettings s;
    s.edit_type = type;
    if (tweak) tweak(s);
    EditBehavior e(s);
    e.state().text = std::move(layout_text);
    e.Loaded(Env());
    if (type == TypeEdit::teMask) e.WriteVersion();
    return e;
}

// Enters the field and puts the caret at the end of its text.
void EnterAtEnd(EditBehavior& e) {
    e.Enter(false, Env());
    Caret(e, static_cast<int>(e.state().text.size()));
}

// --- Number fields ---------------------------------------------------------

TEST(NumberFieldCheck, LoadCleansTheLayoutText) {
    EXPECT_EQ(Field(TypeEdit::teCurrency, "1.234,5").state().text, "1,23");
    EXPECT_EQ(Field(TypeEdit::teCurrency, "12a").state().text, "12,00");
    EXPECT_EQ(Field(TypeEdit::teCurrency, "abc").state().text, "");
    EXPECT_EQ(Field(TypeEdit::teCurrency, "-").state().text, "");
    EXPECT_EQ(Field(TypeEdit::teFloat, "-0,5").state().text, "-0,50");
    EXPECT_EQ(Field(TypeEdit::teInteger, "-3.9").state().text, "-3");
    EXPECT_EQ(Field(TypeEdit::teInteger, "0012,7").state().text, "0012");
}

TEST(NumberFieldCheck, TypingSeparatorsMinusAndSurplusDecimals) {
    EditBehavior e = Field(TypeEdit::teCurrency);
    EnterAtEnd(e);
    Type(e, "1.234,5-");
    // "." typed the comma; the second separator and the late "-" were refused.
    EXPECT_EQ(e.state().text, "1,2345");
    Caret(e, 0);
    Type(e, "-");
    EXPECT_EQ(e.state().text, "-1,2345");
    Caret(e, 0);
    Type(e, ",-");  // a separator before the minus, and a second minus
    EXPECT_EQ(e.state().text, "-1,2345");
    EXPECT_FALSE(e.Exit(Env()).message.has_value());
    EXPECT_EQ(e.state().text, "-1,23");
    EXPECT_EQ(e.state().value, -12300);
    EXPECT_EQ(e.Paint().display, "-1,23 Kč"_cz);
    EXPECT_EQ(e.Paint().alignment, PaintAlignment::Right);

    EditBehavior zero = Field(TypeEdit::teCurrency);
    EnterAtEnd(zero);
    Type(zero, "-0,004");
    zero.Exit(Env());
    EXPECT_EQ(zero.state().text, "0");
    EXPECT_EQ(zero.state().value, 0);
    EXPECT_EQ(zero.Paint().display, "0 Kč"_cz);
}

TEST(NumberFieldCheck, IntegerAndMoreDecimals) {
    EditBehavior i = Field(TypeEdit::teInteger);
    EnterAtEnd(i);
    Type(i, "1,234.567");
    EXPECT_EQ(i.state().text, "1234567");
    i.Exit(Env());
    EXPECT_EQ(i.state().value, 1234567 * kAmountUnit);
    EXPECT_EQ(i.Paint().display, "1 234 567");

    EditBehavior f = Field(TypeEdit::teFloat, "", [](EditSettings& s) { s.number.decimal = 3; });
    EnterAtEnd(f);
    Type(f, "2.34567");
    f.Exit(Env());
    EXPECT_EQ(f.state().text, "2,345");  // cut, not rounded
    EXPECT_EQ(f.state().value, 23450);

    // A money field without a decimal part takes no separator.
    EditBehavior whole =
        Field(TypeEdit::teCurrency, "", [](EditSettings& s) { s.number.decimal = 0; });
    EnterAtEnd(whole);
    Type(whole, "7,5");
    EXPECT_EQ(whole.state().text, "75");
}

TEST(NumberFieldCheck, ValueWriteAndEntryCutSurplusDecimals) {
    EditBehavior e = Field(TypeEdit::teCurrency);
    e.SetValue(31416, Env());  // 3.1416
    EXPECT_EQ(e.state().text, "3,14");
    e.SetValue(-125000, Env());
    EXPECT_EQ(e.state().text, "-12,5");
    EditBehavior i = Field(TypeEdit::teInteger);
    i.SetValue(126000, Env());  // 12.6
    EXPECT_EQ(i.state().text, "13");

    // Text that arrived with more decimals loses them on entry.
    e.state().text = "8,7654";
    e.Enter(false, Env());
    EXPECT_EQ(e.state().text, "8,76");
}

TEST(NumberFieldCheck, ShownDecimalsAndGroupingOfTheDisplay) {
    EditBehavior e = Field(TypeEdit::teCurrency, "", [](EditSettings& s) {
        s.number.decimal_show = 4;
        s.number.number_text_to_value = false;
    });
    EnterAtEnd(e);
    Type(e, "-1234567.5");
    e.Exit(Env());
    EXPECT_EQ(e.state().text, "-1234567,5000");
    EXPECT_EQ(e.Paint().display, "-1 234 567,5000 Kč"_cz);

    // Shown decimals below the kept ones are raised to them.
    EditBehavior raised = Field(TypeEdit::teCurrency, "5", [](EditSettings& s) {
        s.number.decimal = 3;
        s.number.decimal_show = 1;
    });
    EXPECT_EQ(raised.state().text, "5,000");
    EXPECT_EQ(raised.Paint().display, "5,000 Kč"_cz);

    EditBehavior left = Field(TypeEdit::teFloat, "-123456", [](EditSettings& s) {
        s.number.right_alignment = false;
        s.number.space = '.';
    });
    EXPECT_EQ(left.Paint().display, "-.123.456,00");
    EXPECT_EQ(left.Paint().alignment, PaintAlignment::Left);
}

TEST(NumberFieldCheck, SignMessages) {
    struct Case {
        NumberArea area;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {NumberArea::naOnlyPositive, "0", "Zadání je pouze pro kladná čísla.\n0,00 nevyhovuje."_cz},
        {NumberArea::naOnlyNegative, "0",
         "Zadání je pouze pro záporná čísla.\n0,00 nevyhovuje."_cz},
        {NumberArea::naOnlyNegative, "7,5",
         "Zadání je pouze pro záporná čísla.\n7,50 nevyhovuje."_cz},
        {NumberArea::naNegative, "5", "Zadání platí pro záporná čísla.\n5,00 nevyhovuje."_cz},
    };
    for (const Case& c : cases) {
        EditSettings s;
        s.edit_type = TypeEdit::teCurrency;
        s.number.valid = true;
        s.number.number_area = c.area;
        EditBehavior e(s);
        e.Loaded(Env());
        EnterAtEnd(e);
        Type(e, c.typed);
        ExitResult r = e.Exit(Env());
        EXPECT_EQ(r.message, c.message) << c.typed;
        EXPECT_TRUE(r.refocus);
        std::string before_last(c.typed);
        before_last.pop_back();
        EXPECT_EQ(e.state().text, before_last) << c.typed;
    }
    // Zero passes the non-strict sign rules.
    for (NumberArea area : {NumberArea::naPositive, NumberArea::naNegative}) {
        EditSettings s;
        s.edit_type = TypeEdit::teCurrency;
        s.number.valid = true;
        s.number.number_area = area;
        EditBehavior e(s);
        e.Loaded(Env());
        EnterAtEnd(e);
        Type(e, "0");
        EXPECT_FALSE(e.Exit(Env()).message.has_value());
    }
}

TEST(NumberFieldCheck, RangeMessagesNameTheBoundInShortForm) {
    struct Exited {
        std::optional<std::string> message;
        std::string text;
    };
    auto exit_with = [](Amount min, Amount max, const char* typed, bool to_value) {
        EditSettings s;
        s.edit_type = TypeEdit::teCurrency;
        s.number.valid = true;
        s.number.value_min = min;
        s.number.value_max = max;
        s.number.number_text_to_value = to_value;
        EditBehavior e(s);
        e.Loaded(Env());
        EnterAtEnd(e);
        Type(e, typed);
        std::optional<std::string> message = e.Exit(Env()).message;
        return Exited{message, e.state().text};
    };
    const Amount c100 = 100 * kAmountUnit;
    // Converted to a value, the entry is first pulled into the bounds that are set.
    Exited low = exit_with(25000, c100, "2", true);
    EXPECT_EQ(low.message, std::nullopt);
    EXPECT_EQ(low.text, "2,5");
    EXPECT_EQ(exit_with(25000, c100, "100,01", true).text, "100");
    // Kept as text, it is checked against them.
    EXPECT_EQ(exit_with(25000, c100, "2", false).message,
              "Minimální číselná hodnota je \"2,5\""_cz);
    EXPECT_EQ(exit_with(25000, c100, "100,01", false).message,
              "Maximální číselná hodnota je \"100\""_cz);
    EXPECT_EQ(exit_with(25000, c100, "100", false).message, std::nullopt);
    // No bounds: a negative number passes unchecked.
    EXPECT_EQ(exit_with(0, 0, "-99999", true).message, std::nullopt);
    // Only a negative minimum: zero is the maximum, and no clamp reaches it.
    EXPECT_EQ(exit_with(-c100, 0, "0,5", true).message, "Maximální číselná hodnota je \"0\""_cz);
    EXPECT_EQ(exit_with(-c100, 0, "-100,5", false).message,
              "Minimální číselná hodnota je \"-100\""_cz);
    // Only a positive maximum: zero is the minimum, and no minus can be typed.
    Exited plus = exit_with(0, 50 * kAmountUnit, "-3", false);
    EXPECT_EQ(plus.message, std::nullopt);
    EXPECT_EQ(plus.text, "3,00");
    EXPECT_EQ(exit_with(0, 50 * kAmountUnit, "51", false).message,
              "Maximální číselná hodnota je \"50\""_cz);
}

TEST(NumberFieldCheck, EnglishSeparatorOnExit) {
    EditBehavior e = Field(TypeEdit::teCurrency);
    EnterAtEnd(e);
    Type(e, "1.5");
    EXPECT_EQ(e.state().text, "1,5");
    EditEnvironment english = Env();
    english.decimal_separator = '.';
    e.Exit(english);
    EXPECT_EQ(e.state().text, "1.5");
    EXPECT_EQ(e.state().value, 15000);
}

TEST(NumberFieldCheck, PastedMinusStillFailsTheSignCheck) {
    for (NumberArea area : {NumberArea::naPositive, NumberArea::naOnlyPositive}) {
        EditSettings s;
        s.edit_type = TypeEdit::teCurrency;
        s.number.valid = true;
        s.number.number_area = area;
        EditBehavior e(s);
        e.Loaded(Env());
        EnterAtEnd(e);
        Type(e, "-");  // refused when typed
        EXPECT_EQ(e.state().text, "");
        Type(e, "4");
        e.state().text = "-5";  // but it can be pasted
        ExitResult r = e.Exit(Env());
        ASSERT_TRUE(r.message.has_value());
        EXPECT_NE(r.message->find("-5,00 nevyhovuje."), std::string::npos) << *r.message;
        EXPECT_EQ(e.state().text, "");
        EXPECT_EQ(e.state().value, 0);
    }
}

TEST(NumberFieldCheck, AmountTooLargeForTheValueIsReportedNotZeroed) {
    EditBehavior e = Field(TypeEdit::teCurrency);
    EnterAtEnd(e);
    Type(e, "12345678901234567890");
    ExitResult r = e.Exit(Env());
    EXPECT_EQ(r.message, "Zadaná číselná hodnota \"12345678901234567890\" není číslo !"_cz);
    EXPECT_TRUE(r.refocus);
    EXPECT_EQ(e.state().text, "1234567890123456789");
    EXPECT_EQ(e.state().value, 0);

    // The largest amount the value holds still passes.
    EditBehavior top =
        Field(TypeEdit::teCurrency, "", [](EditSettings& s) { s.number.decimal = 4; });
    EnterAtEnd(top);
    Type(top, "922337203685477,5807");
    EXPECT_FALSE(top.Exit(Env()).message.has_value());
    EXPECT_EQ(top.state().value, std::numeric_limits<Amount>::max());
}

TEST(NumberFieldCheck, ParseStopsAtTheLimitOfTheValue) {
    const Amount max = std::numeric_limits<Amount>::max();
    EXPECT_EQ(ParseAmount("922337203685477,5807", ','), max);
    EXPECT_EQ(ParseAmount("-922337203685477,5807", ','), -max);
    EXPECT_EQ(ParseAmount("922337203685477,5808", ','), std::nullopt);
    EXPECT_EQ(ParseAmount("922337203685477,58075", ','), std::nullopt);  // rounds past it
    EXPECT_EQ(ParseAmount("999999999999999", ','), std::nullopt);
    EXPECT_EQ(ParseAmount("000000922337203685477", ','), 922337203685477 * kAmountUnit);
}

TEST(NumberFieldCheck, DigitKeysAndTheCapturedSeparator) {
    EditBehavior a = Field(TypeEdit::teCurrency);
    EnterAtEnd(a);
    EXPECT_EQ(a.KeyDown('4', {.alt = true}, Env()).key, '4');
    EXPECT_EQ(a.KeyDown('4', {.shift = true}, Env()).key, 0x64);
    a.KeyDown('5', {}, Env());
    Type(a, "\xF8");  // the Czech layout's r-caron on the 5 key
    EXPECT_EQ(a.state().text, "5");
    a.KeyDown(vk::kLeft, {}, Env());  // any other key-down forgets the digit
    Type(a, "\xF8");
    EXPECT_EQ(a.state().text, "5");

    // Loaded on an English system, "," types the full stop.
    EditEnvironment en = Env();
    en.decimal_separator = '.';
    EditSettings s;
    s.edit_type = TypeEdit::teFloat;
    EditBehavior f(s);
    f.state().text = "3,5";
    f.Loaded(en);
    EXPECT_EQ(f.state().text, "3.50");
    f.Enter(false, en);
    Caret(f, 0, 4);
    for (char c : std::string_view("7,25")) {
        CharResult r = f.Char(c, en);
        if (r.ch == 0) continue;
        f.state().text.replace(f.state().sel_start, f.state().sel_length, 1, r.ch);
        ++f.state().sel_start;
        f.state().sel_length = 0;
    }
    EXPECT_EQ(f.state().text, "7.25");
}

// --- Masked fields -----------------------------------------------------------

EditBehavior Masked(const char* mask, TMaskOn on_exit = TMaskOn::moNone,
                    TMaskOn on_enter = TMaskOn::moNone) {
    EditSettings s;
    s.edit_type = TypeEdit::teMask;
    s.mask_edit.Mask = mask;
    s.mask_edit.MaskOnExit = on_exit;
    s.mask_edit.MaskOnEnter = on_enter;
    EditBehavior e(s);
    e.Loaded(Env());
    e.WriteVersion();
    return e;
}

void Key(EditBehavior& e, int key) {
    e.KeyDown(key, {}, Env());
}

// The text left behind when `text` is in the field on exit.
std::string LeaveWith(const char* mask, TMaskOn on_exit, const char* text,
                      int date_default_year = 0) {
    EditBehavior e = Masked(mask, on_exit);
    e.Enter(false, Env());
    e.state().text = text;
    EditEnvironment env = Env();
    env.now.date_default_year = date_default_year;
    e.Exit(env);
    return e.state().text;
}

TEST(MaskFieldCheck, FixedDateTypingJumpsOverLiterals) {
    EditBehavior e = Masked("!99.99.9999");
    e.Enter(false, Env());
    EXPECT_EQ(e.state().text, "__.__.____");
    Type(e, "1");
    EXPECT_EQ(e.state().sel_start, 1);
    Type(e, "2");
    EXPECT_EQ(e.state().text, "12.__.____");
    EXPECT_EQ(e.state().sel_start, 3);
    Caret(e, 2);  // before the dot: the digit goes behind it
    Type(e, "0");
    EXPECT_EQ(e.state().text, "12.0_.____");
    EXPECT_EQ(e.state().sel_start, 4);
    Type(e, "5-2009");
    EXPECT_EQ(e.state().text, "12.05.2009");
    EXPECT_EQ(e.state().sel_start, 10);
    Type(e, "7");  // after the last position
    EXPECT_EQ(e.state().text, "12.05.2009");
    // A digit over a longer selection blanks it first.
    Caret(e, 3, 7);
    Type(e, "7");
    EXPECT_EQ(e.state().text, "12.7_.____");
    EXPECT_EQ(e.state().sel_start, 4);
}

TEST(MaskFieldCheck, FixedDateBackspaceAndDelete) {
    EditBehavior e = Masked("!99.99.9999");
    e.Enter(false, Env());
    e.state().text = "12.05.2009";
    Caret(e, 3);
    Key(e, vk::kBack);  // over the dot only
    EXPECT_EQ(e.state().text, "12.05.2009");
    EXPECT_EQ(e.state().sel_start, 2);
    Key(e, vk::kBack);
    EXPECT_EQ(e.state().text, "1_.05.2009");
    EXPECT_EQ(e.state().sel_start, 1);
    Caret(e, 0);
    Key(e, vk::kBack);
    EXPECT_EQ(e.state().text, "1_.05.2009");
    EXPECT_EQ(e.state().sel_start, 0);

    e.state().text = "12.05.2009";
    Caret(e, 0);
    Key(e, vk::kDelete);
    EXPECT_EQ(e.state().text, "2_.05.2009");
    EXPECT_EQ(e.state().sel_start, 0);
    Caret(e, 6);
    Key(e, vk::kDelete);  // the year group closes up to the end
    EXPECT_EQ(e.state().text, "2_.05.009_");
    EXPECT_EQ(e.state().sel_start, 6);

    e.state().text = "12.05.2009";
    Caret(e, 1, 4);
    Key(e, vk::kDelete);
    EXPECT_EQ(e.state().text, "1_.__.2009");
    EXPECT_EQ(e.state().sel_start, 1);
    EXPECT_EQ(e.state().sel_length, 0);
}

TEST(MaskFieldCheck, FlowingMaskClosesAndOpensGaps) {
    EditBehavior e = Masked("99.99.9999");
    e.Enter(false, Env());
    EXPECT_EQ(e.state().text, "__.__.____");
    e.state().text = "12.05.2009";
    Caret(e, 2);
    Key(e, vk::kBack);
    EXPECT_EQ(e.state().text, "10.52.009_");
    e.state().text = "12.05.2009";
    Caret(e, 0);
    Key(e, vk::kDelete);
    EXPECT_EQ(e.state().text, "20.52.009_");
    e.state().text = "12.05.2009";
    Caret(e, 0);
    Type(e, "3");  // inserted; the last digit falls off
    EXPECT_EQ(e.state().text, "31.20.5200");
    e.state().text = "12.__.____";
    Caret(e, 3);
    Type(e, "4");
    EXPECT_EQ(e.state().text, "12.4_.____");
}

TEST(MaskFieldCheck, DateRevisionSpecialRules) {
    const char* d = "!99.99.9999";
    TMaskOn special_rules = TMaskOn::moRevisionSpec;
    EXPECT_EQ(LeaveWith(d, special_rules, "__.__.____"), "");
    EXPECT_EQ(LeaveWith(d, special_rules, "5_.1_.9___"), "05.01.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "31.02.2008"), "29.02.2008");
    EXPECT_EQ(LeaveWith(d, special_rules, "31.02.2009"), "28.02.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "31.04.2009"), "30.04.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "12.13.2009"), "12.03.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "01.01.45__"), "01.01.1945");
    EXPECT_EQ(LeaveWith(d, special_rules, "01.01.22__"), "01.01.2022");
    EXPECT_EQ(LeaveWith(d, special_rules, "01.01.23__"), "01.01.1923");
    EXPECT_EQ(LeaveWith(d, special_rules, "01.01.0___"), "01.01.2000");
    EXPECT_EQ(LeaveWith(d, special_rules, "01.01.123_"), "01.01.2026");
    EXPECT_EQ(LeaveWith(d, special_rules, "01.01.1850"), "01.01.1850");
    EXPECT_EQ(LeaveWith(d, special_rules, "__.05.2009"), "09.05.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "07.__.2009"), "07.03.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "07.05.____"), "07.05.2026");
    EXPECT_EQ(LeaveWith(d, special_rules, "45.05.2009"), "05.05.2009");
    EXPECT_EQ(LeaveWith(d, special_rules, "0_.0_.2009"), "01.01.2009");
}

TEST(MaskFieldCheck, DateRevisionPlainAndSystemRules) {
    const char* d = "!99.99.9999";
    EXPECT_EQ(LeaveWith(d, TMaskOn::moRevision, "__.__.____"), "01.01.2026");
    EXPECT_EQ(LeaveWith(d, TMaskOn::moRevision, "45.19.2009"), "05.09.2009");
    EXPECT_EQ(LeaveWith(d, TMaskOn::moRevisionSys, "__.__.____"), "15.03.2026");
    EXPECT_EQ(LeaveWith(d, TMaskOn::moRevisionSys, "45.19.2009"), "15.03.2009");
    // Two-digit years: leap years count by the number as written.
    const char* d2 = "!99.99.99";
    EXPECT_EQ(LeaveWith(d2, TMaskOn::moRevisionSpec, "31.02.08"), "29.02.08");
    EXPECT_EQ(LeaveWith(d2, TMaskOn::moRevisionSpec, "31.02.09"), "28.02.09");
    EXPECT_EQ(LeaveWith(d2, TMaskOn::moRevisionSpec, "1_.1_.5_"), "01.01.05");
    EXPECT_EQ(LeaveWith(d2, TMaskOn::moRevision, "1_.1_.__"), "01.01.26");
    // Day and month only: the current year, or the default year when set.
    EXPECT_EQ(LeaveWith("!99.99", TMaskOn::moRevision, "29.02"), "28.02");
    EXPECT_EQ(LeaveWith("!99.99", TMaskOn::moRevision, "29.02", 2024), "29.02");
    // A mask that is not a known date or time is never revised.
    EXPECT_EQ(LeaveWith("!99.99.", TMaskOn::moRevisionSpec, "1_.2_."), "1_.2_.");
}

TEST(MaskFieldCheck, TimeRevision) {
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moRevision, "9_:5_"), "09:05");
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moRevision, "25:__"), "05:00");
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moRevision, "24:60"), "24:60");
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moRevision, "23:75"), "23:05");
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moRevisionSys, "25:70"), "10:20");
    EXPECT_EQ(LeaveWith("?99:99", TMaskOn::moRevision, "30:1_"), "30:01");
    EXPECT_EQ(LeaveWith("!99:15", TMaskOn::moRevision, "10:20"), "10:__");
    EXPECT_EQ(LeaveWith("!99:15", TMaskOn::moRevision, "10:45"), "10:45");
    EXPECT_EQ(LeaveWith("!99:15", TMaskOn::moRevision, "10:0_"), "10:00");
    EXPECT_EQ(LeaveWith("!99:99:99", TMaskOn::moRevision, "1_:2_:3_"), "01:02:03");
    EXPECT_EQ(LeaveWith("!99:99:99.999", TMaskOn::moRevision, "1_:2_:3_.4__"), "01:02:03.004");
    EXPECT_EQ(LeaveWith("!99:99:99.999", TMaskOn::moRevision, "1_:2_:3_.45_"), "01:02:03.045");
}

TEST(MaskFieldCheck, SystemModeFillsAnEmptyFieldWithNow) {
    EXPECT_EQ(LeaveWith("!99.99.9999", TMaskOn::moSystem, "__.__.____"), "15.03.2026");
    EXPECT_EQ(LeaveWith("!99.99.99", TMaskOn::moSystem, "__.__.__"), "15.03.26");
    EXPECT_EQ(LeaveWith("!99.99", TMaskOn::moSystem, "__.__"), "15.03");
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moSystem, "__:__"), "10:20");
    EXPECT_EQ(LeaveWith("!99:99:99", TMaskOn::moSystem, "__:__:__"), "10:20:07");
    // With digits the field is revised by the system rules.
    EXPECT_EQ(LeaveWith("!99.99.9999", TMaskOn::moSystem, "45.05.2009"), "15.05.2009");

    // On entry, too.
    EditBehavior e = Masked("!99.99.9999", TMaskOn::moNone, TMaskOn::moSystem);
    e.Enter(false, Env());
    EXPECT_EQ(e.state().text, "15.03.2026");
}

TEST(MaskFieldCheck, MoreRevisions) {
    // Empty time parts count as 99 with the special rules.
    EXPECT_EQ(LeaveWith("!99:99", TMaskOn::moRevisionSpec, "__:__"), "09:09");
    EXPECT_EQ(LeaveWith("!99:99:99", TMaskOn::moRevisionSpec, "1_:2_:__"), "01:02:09");
    EXPECT_EQ(LeaveWith("!99:99:99", TMaskOn::moRevisionSys, "1_:2_:__"), "01:02:07");
    EXPECT_EQ(LeaveWith("!99.99", TMaskOn::moRevision, "__.__"), "01.01");
    EXPECT_EQ(LeaveWith("!99.99.99", TMaskOn::moRevisionSpec, "31.02.00"), "29.02.00");
    EXPECT_EQ(LeaveWith("!99:99:99.999", TMaskOn::moSystem, "__:__:__.___"), "10:20:07.000");

    // On entry the special mode revises by the plain rules.
    EditBehavior e = Masked("!99.99.9999", TMaskOn::moNone, TMaskOn::moRevisionSpec);
    e.Enter(false, Env());
    EXPECT_EQ(e.state().text, "01.01.2026");
}

TEST(MaskFieldCheck, EditsAtTheEdgesOfTheText) {
    EditBehavior dm = Masked("!99.99.");
    dm.Enter(false, Env());
    dm.state().text = "12.05.";
    Caret(dm, 5);  // before the closing dot
    Type(dm, "7");
    EXPECT_EQ(dm.state().text, "12.05.");
    Caret(dm, 0, 1);
    Type(dm, "3");
    EXPECT_EQ(dm.state().text, "32.05.");
    EXPECT_EQ(dm.state().sel_start, 1);
    Caret(dm, 4, 1);  // Backspace with one character selected works from its start
    Key(dm, vk::kBack);
    EXPECT_EQ(dm.state().text, "32._5.");
    EXPECT_EQ(dm.state().sel_start, 3);

    EditBehavior fl = Masked("99.99.9999");
    fl.Enter(false, Env());
    fl.state().text = "12.05.2009";
    Caret(fl, 2);  // at a literal before a digit: inserted behind it
    Type(fl, "3");
    EXPECT_EQ(fl.state().text, "12.30.5200");
    fl.state().text = "12.05.2009";
    Caret(fl, 10);
    Type(fl, "3");
    EXPECT_EQ(fl.state().text, "12.05.2009");
    Caret(fl, 1, 3);
    Key(fl, vk::kBack);
    EXPECT_EQ(fl.state().text, "15.20.09__");
}

TEST(MaskFieldCheck, EarlyMorningKeepsItsLeadingZeros) {
    EditEnvironment early = Env();
    early.now.now = {2026, 3, 5, 9, 5, 3};
    EditBehavior t = Masked("!99:99", TMaskOn::moSystem);
    t.Enter(false, early);
    t.Exit(early);
    EXPECT_EQ(t.state().text, "09:05");
    EditBehavior d = Masked("!99.99.9999", TMaskOn::moRevisionSys);
    d.Enter(false, early);
    d.Exit(early);
    EXPECT_EQ(d.state().text, "05.03.2026");
    // The caret waits at the first empty place.
    d.state().text = "12.__.____";
    d.Enter(false, early);
    EXPECT_EQ(d.state().sel_start, 3);
}

TEST(StringFieldCheck, EmptyFilterLetsEverythingThroughAndPaddingNeedsALength) {
    EditBehavior s =
        Field(TypeEdit::teString, "", [](EditSettings& st) { st.string_edit.filtr_use = true; });
    EnterAtEnd(s);
    Type(s, "ab1");
    EXPECT_EQ(s.state().text, "ab1");

    EditBehavior p = Field(TypeEdit::teString, "", [](EditSettings& st) {
        st.string_edit.align_left_char = "0";
        st.max_length = 6;
    });
    EnterAtEnd(p);
    Type(p, "123");
    p.Exit(Env());
    EXPECT_EQ(p.state().text, "000123");
    p.state().text.clear();
    p.Enter(false, Env());
    p.Exit(Env());
    EXPECT_EQ(p.state().text, "");
    p.settings().max_length = 0;
    p.state().text = "7";
    p.Enter(false, Env());
    p.Exit(Env());
    EXPECT_EQ(p.state().text, "7");
}

}  // namespace
}  // namespace zerkon::edit
