// Key sequences typed into masked date and time fields: the text keeps the
// mask's literals, and exit revises the date or time as a user expects.
#include <gtest/gtest.h>

#include <string>

#include "common/cp1250_literal.h"
#include "field_check_fixture.h"

namespace zerkon::edit {
namespace {

using namespace check;

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

}  // namespace
}  // namespace zerkon::edit
