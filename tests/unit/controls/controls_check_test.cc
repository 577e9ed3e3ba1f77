// Key sequences typed into number and string fields, checked against the
// texts, carets, values and messages a user should see.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "common/cp1250_literal.h"
#include "field_check_fixture.h"

namespace zerkon::edit {
namespace {

using namespace check;

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
