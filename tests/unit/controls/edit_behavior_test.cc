#include "controls/edit_behavior.h"

#include <gtest/gtest.h>

#include <random>

#include "common/cp1250_literal.h"
#include "edit_behavior_fixture.h"

namespace zerkon::edit {
namespace {

using namespace fixture;

TEST(EditDefaults, AreTheControlsOwn) {
    EditBehavior e;
    const EditSettings& s = e.settings();
    EXPECT_EQ(s.color_on_focus, 10092543u);
    EXPECT_EQ(s.color_on_disabled, kClBtnFace);
    EXPECT_EQ(s.button_caption, "\xB7\xB7");
    EXPECT_EQ(s.button_width, 15);
    EXPECT_EQ(s.cursor_end_field, CursorEndField::cfEnd);
    EXPECT_TRUE(s.key_enter && s.key_down_up && s.required_monitoring);
    EXPECT_STREQ(e.version(), "2.77");
}

TEST(EditColours, FocusDisabledAndPaintReset) {
    EditBehavior e = Loaded(EditSettings());
    EXPECT_EQ(e.state().colour, kClWindow);
    e.Enter(false, Czech());
    EXPECT_EQ(e.state().colour, kColourLightYellow);
    e.Exit(Czech());
    EXPECT_EQ(e.state().colour, kClWindow);
    e.state().colour = 0x0000FF;  // the program paints an unfocused field red
    EXPECT_EQ(e.Paint().colour, kClWindow);

    EditBehavior disabled = Loaded(EditSettings(), "", false);
    EXPECT_EQ(disabled.state().colour, kClBtnFace);
    disabled.state().colour = 0x00FF00;
    EXPECT_EQ(disabled.Paint().colour, kClBtnFace);

    EditSettings inactive;
    inactive.color_on_focus_active = false;
    EditBehavior plain = Loaded(inactive);
    plain.Enter(false, Czech());
    EXPECT_EQ(plain.Paint().colour, kClWindow);
}

TEST(EditKeys, ArrowsAndPagesMoveFocus) {
    EditBehavior e = Loaded(EditSettings(), "abc");
    EditEnvironment env = Czech();
    EXPECT_EQ(e.KeyDown(vk::kDown, {}, env).focus, FocusMove::Next);
    EXPECT_EQ(e.KeyDown(vk::kUp, {}, env).focus, FocusMove::Previous);
    KeyResult page = e.KeyDown(vk::kNext, {}, env);
    EXPECT_EQ(page.focus, FocusMove::None);  // no PgDown target: swallowed
    EXPECT_EQ(page.key, 0);

    env.targets[static_cast<size_t>(FocusSlot::Down)] = {true, true, true};
    env.targets[static_cast<size_t>(FocusSlot::PgUp)] = {true, true, true};
    EXPECT_EQ(e.KeyDown(vk::kDown, {}, env).focus, FocusMove::Down);
    EXPECT_EQ(e.KeyDown(vk::kPrior, {}, env).focus, FocusMove::PgUp);
    env.targets[static_cast<size_t>(FocusSlot::Down)] = {true, false, true};
    EXPECT_EQ(e.KeyDown(vk::kDown, {}, env).focus, FocusMove::Next);
    env.targets[static_cast<size_t>(FocusSlot::Down)] = {true, true, false};
    EXPECT_EQ(e.KeyDown(vk::kDown, {}, env).focus, FocusMove::Next);

    e.settings().key_down_up = false;
    KeyResult plain = e.KeyDown(vk::kDown, {}, env);
    EXPECT_EQ(plain.focus, FocusMove::None);
    EXPECT_EQ(plain.key, vk::kDown);
}

TEST(EditKeys, LeftAndRightLeaveAStringFieldAtItsEnds) {
    EditSettings s;
    s.string_edit.exit_string = ExitString::esLeftRight;
    EditBehavior e = Loaded(s, "abc");
    e.state().sel_start = 1;
    EXPECT_EQ(e.KeyDown(vk::kRight, {}, Czech()).key, vk::kRight);
    e.state().sel_start = 3;
    EXPECT_EQ(e.KeyDown(vk::kRight, {}, Czech()).focus, FocusMove::Next);
    e.state().sel_start = 0;
    EXPECT_EQ(e.KeyDown(vk::kLeft, {}, Czech()).focus, FocusMove::Previous);
    e.settings().string_edit.exit_string = ExitString::esRight;
    EXPECT_EQ(e.KeyDown(vk::kLeft, {}, Czech()).key, vk::kLeft);
}

TEST(EditKeys, EnterMovesLikeTabAndInsertsNothing) {
    EditBehavior e = Loaded(EditSettings(), "");
    CharResult r = e.Char('\r', Czech());
    EXPECT_EQ(r.focus, FocusMove::Next);
    EXPECT_EQ(r.ch, 0);
    e.settings().key_enter = false;
    r = e.Char('\r', Czech());
    EXPECT_EQ(r.focus, FocusMove::None);
    EXPECT_EQ(r.ch, '\r');
}

TEST(EditKeys, OwnerEventsRunAfterUnlessKeyFirstInherited) {
    EditBehavior e = Loaded(EditSettings(), "ab");
    EXPECT_TRUE(e.KeyDown('X', {}, Czech()).owner_event_after);
    EXPECT_TRUE(e.Char('x', Czech()).owner_event_after);
    // A key used for a focus move never reaches the owner.
    EXPECT_FALSE(e.KeyDown(vk::kDown, {}, Czech()).owner_event_after);
    EXPECT_FALSE(e.Char('\r', Czech()).owner_event_after);
    e.settings().key_first_inherited = true;
    EXPECT_FALSE(e.KeyDown('X', {}, Czech()).owner_event_after);
    EXPECT_FALSE(e.Char('x', Czech()).owner_event_after);
}

TEST(EditButton, ShortCutClicksOnlyWhenSet) {
    EditSettings s;
    s.edit_type = TypeEdit::teMask;
    s.mask_edit.Mask = "!99.99.9999";
    s.button_visible = true;
    EditBehavior e = Loaded(s, "12.05.2009");
    e.state().sel_start = 2;
    // Backspace is taken by the mask and arrives at the short-cut check as 0.
    KeyResult back = e.KeyDown(vk::kBack, {}, Czech());
    EXPECT_EQ(back.key, 0);
    EXPECT_FALSE(back.click_button);
    EXPECT_FALSE(e.KeyDown('A', {}, Czech()).click_button);

    e.settings().button_short_cut = MakeShortCut(0x73, {.shift = false, .ctrl = true});
    EXPECT_TRUE(e.KeyDown(0x73, {.ctrl = true}, Czech()).click_button);
    EXPECT_FALSE(e.KeyDown(0x73, {}, Czech()).click_button);
    e.settings().button_visible = false;
    EXPECT_FALSE(e.KeyDown(0x73, {.ctrl = true}, Czech()).click_button);
}

TEST(EditCase, UpperLowerAndProperCase) {
    EditSettings s;
    s.case_mode = CaseMode::cmProperCase;
    EditBehavior e = Loaded(s);
    Type(e, "jan novák"_cz, Czech());
    EXPECT_EQ(e.state().text, "Jan Novák"_cz);
    e.settings().case_mode = CaseMode::cmUpperCase;
    e.state().text.clear();
    e.state().sel_start = 0;
    Type(e, "čap"_cz, Czech());
    EXPECT_EQ(e.state().text, "ČAP"_cz);
    e.settings().case_mode = CaseMode::cmLowerCase;
    Type(e, "ŘÍ"_cz, Czech());
    EXPECT_EQ(e.state().text, "ČAPří"_cz);
}

TEST(EditStringFilter, RefusesOutsideTheFilterButPassesControls) {
    EditSettings s;
    s.string_edit.filtr = "0123456789";
    s.string_edit.filtr_use = true;
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    Type(e, "1a2b3", Czech());
    EXPECT_EQ(e.state().text, "123");
    Type(e, "\b", Czech());
    EXPECT_EQ(e.state().text, "12");
    EXPECT_EQ(e.Char('\x16', Czech()).ch, '\x16');  // Ctrl+V passes

    EditSettings empty;
    empty.string_edit.filtr_use = true;
    EditBehavior open = Loaded(empty);
    open.Enter(false, Czech());
    EXPECT_FALSE(open.settings().string_edit.filtr_use);
    Type(open, "ab", Czech());
    EXPECT_EQ(open.state().text, "ab");
}

TEST(EditStringExit, PadsWithTheAlignCharacter) {
    EditSettings s;
    s.string_edit.align_left_char = "0";
    s.max_length = 6;
    EditBehavior e = Loaded(s, "123");
    e.Enter(false, Czech());
    e.Exit(Czech());
    EXPECT_EQ(e.state().text, "000123");
    e.settings().max_length = 0;
    e.state().text = "12";
    e.Exit(Czech());
    EXPECT_EQ(e.state().text, "12");
}

TEST(EditRequired, EmptyRequiredFieldKeepsFocus) {
    EditSettings s;
    s.required = true;
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    ExitResult r = e.Exit(Czech());
    EXPECT_EQ(r.message, "Zadání položky je povinné !"_cz);
    EXPECT_TRUE(r.refocus);
    EXPECT_FALSE(r.fire_on_exit);
    e.state().text = "x";
    r = e.Exit(Czech());
    EXPECT_FALSE(r.message.has_value());
    EXPECT_TRUE(r.fire_on_exit);
    e.settings().required_monitoring = false;
    e.state().text.clear();
    EXPECT_FALSE(e.Exit(Czech()).message.has_value());
}

TEST(EditEntry, CaretPlacement) {
    EditBehavior end = Loaded(EditSettings(), "abcd");
    end.Enter(false, Czech());
    EXPECT_EQ(end.state().sel_start, 4);
    EXPECT_EQ(end.state().sel_length, 0);

    EditSettings sel;
    sel.auto_select = true;
    EditBehavior all = Loaded(sel, "abcd");
    all.Enter(false, Czech());
    EXPECT_EQ(all.state().sel_length, 4);

    EditSettings begin;
    begin.cursor_end_field = CursorEndField::cfBegin;
    EditBehavior b = Loaded(begin, "abcd");
    b.Enter(false, Czech());
    EXPECT_EQ(b.state().sel_start, 0);
    EXPECT_EQ(b.state().sel_length, 0);

    EditSettings zero = OfType(TypeEdit::teCurrency);
    zero.number.cursor_zero_over = true;
    zero.cursor_end_field = CursorEndField::cfZeroElseBegin;
    EditBehavior z = Loaded(zero, "0");
    z.Enter(false, Czech());
    EXPECT_EQ(z.state().sel_length, 4);  // "0,00" selected
    z.state().text = "5,00";
    z.Enter(false, Czech());
    EXPECT_EQ(z.state().sel_start, 0);
    EXPECT_EQ(z.state().sel_length, 0);
}

TEST(EditEntry, MouseEntryKeepsTheClickedCaret) {
    EditSettings s;
    s.auto_select = true;
    s.cursor_end_field = CursorEndField::cfEnd;
    EditBehavior e = Loaded(s, "abcd");
    e.state().sel_start = 2;
    e.Enter(true, Czech());
    EXPECT_EQ(e.state().sel_start, 2);
    EXPECT_EQ(e.state().sel_length, 0);
    e.Enter(false, Czech());
    EXPECT_EQ(e.state().sel_length, 4);
}

TEST(EditEntry, SavedCaretForPositionFields) {
    EditSettings s;
    s.cursor_end_field = CursorEndField::cfPosition;
    s.string_edit.exit_string = ExitString::esRight;
    EditBehavior e = Loaded(s, "abcd");
    e.Enter(false, Czech());
    e.state().sel_start = 1;
    e.Exit(Czech());
    e.state().sel_start = 4;
    e.Enter(false, Czech());
    EXPECT_EQ(e.state().sel_start, 1);
}

TEST(EditEntry, NumberEntryCutsSurplusDecimals) {
    EditBehavior e = Loaded(OfType(TypeEdit::teCurrency), "1,5");
    e.state().text = "1,2345";
    e.Enter(false, Czech());
    EXPECT_EQ(e.state().text, "1,23");
    EXPECT_EQ(e.state().paint_alignment, PaintAlignment::Right);
}

EditSettings DateField() {
    EditSettings s = OfType(TypeEdit::teMask);
    s.mask_edit.Mask = "!99.99.9999";
    s.mask_edit.MaskOnExit = TMaskOn::moRevisionSpec;
    return s;
}

TEST(EditMask, TypingIntoADateField) {
    EditBehavior e = Loaded(DateField());
    e.WriteVersion();
    EXPECT_EQ(e.state().text, "__.__.____");
    e.Enter(false, Czech());
    EXPECT_EQ(e.state().sel_start, 0);
    EXPECT_EQ(e.state().sel_length, 0);
    Type(e, "12", Czech());
    EXPECT_EQ(e.state().text, "12.__.____");
    EXPECT_EQ(e.state().sel_start, 3);
    Type(e, "x.", Czech());  // refused and dropped
    EXPECT_EQ(e.state().text, "12.__.____");
    Type(e, "0520", Czech());
    e.KeyDown(vk::kBack, {}, Czech());
    Type(e, "\b", Czech());  // the character of Backspace never inserts
    EXPECT_EQ(e.state().text, "12.05.2___");
    EXPECT_EQ(e.KeyDown(vk::kInsert, {.shift = true}, Czech()).key, 0);
}

TEST(EditMask, ExitRevisesTheDate) {
    EditBehavior e = Loaded(DateField());
    e.WriteVersion();
    e.Enter(false, Czech());
    e.state().text = "5_.1_.9___";
    e.Exit(Czech());
    EXPECT_EQ(e.state().text, "05.01.2009");
    e.Enter(false, Czech());
    e.state().text = "__.__.____";
    e.Exit(Czech());
    EXPECT_EQ(e.state().text, "");
    e.Enter(false, Czech());
    EXPECT_EQ(e.state().text, "__.__.____");
}

TEST(EditMask, RequiredDateLeftEmptyIsRefused) {
    EditSettings s = DateField();
    s.required = true;
    EditBehavior e = Loaded(s);
    e.WriteVersion();
    e.Enter(false, Czech());
    EXPECT_TRUE(e.Exit(Czech()).refocus);
}

TEST(EditMask, OnlyTheLabeledEditTypesASpace) {
    EditSettings s = DateField();
    EditBehavior plain = Loaded(s);
    plain.WriteVersion();
    plain.Enter(false, Czech());
    Type(plain, " 1", Czech());
    EXPECT_EQ(plain.state().text, "1_.__.____");
    s.labeled = true;
    EditBehavior labeled = Loaded(s);
    labeled.WriteVersion();
    labeled.Enter(false, Czech());
    Type(labeled, " 1", Czech());
    EXPECT_EQ(labeled.state().text, " 1.__.____");
}

TEST(EditMask, AnyKeySequenceKeepsTheBodyLength) {
    std::mt19937 rng(12345);
    const char chars[] = "0123456789 .\b_a-";
    const int keys[] = {vk::kBack, vk::kDelete, vk::kLeft, vk::kRight, vk::kInsert};
    for (const char* mask : {"!99.99.9999", "!99:99", "99.99.9999", "!99.99."}) {
        EditSettings s = OfType(TypeEdit::teMask);
        s.mask_edit.Mask = mask;
        EditBehavior e = Loaded(s);
        e.WriteVersion();
        e.Enter(false, Czech());
        size_t body = std::string_view(mask).size() - (mask[0] == '!' ? 1 : 0);
        for (int i = 0; i < 3000; ++i) {
            EditState& st = e.state();
            int len = static_cast<int>(st.text.size());
            if (rng() % 3 == 0) {
                st.sel_start = static_cast<int>(rng() % (len + 1));
                st.sel_length = static_cast<int>(rng() % (len - st.sel_start + 1));
                e.KeyDown(keys[rng() % 5], {.shift = rng() % 2 == 0}, Czech());
            } else {
                Type(e, std::string(1, chars[rng() % (sizeof(chars) - 1)]), Czech());
            }
            ASSERT_EQ(e.state().text.size(), body) << mask << " after step " << i;
            ASSERT_LE(e.state().sel_start, static_cast<int>(body));
        }
    }
}

EditSettings PickList() {
    EditSettings s = OfType(TypeEdit::teComboBox);
    s.combo_box.Items = "Anna|Adam|Alena";
    return s;
}

TEST(EditComboBox, LoadTypeAheadAndClearing) {
    EditSettings s = PickList();
    s.combo_box.ItemIndex = 1;
    EditBehavior e = Loaded(s);
    EXPECT_EQ(e.state().text, "Adam");
    EXPECT_TRUE(e.state().read_only);
    EXPECT_TRUE(e.settings().button_visible);
    e.Enter(false, Czech());
    EXPECT_EQ(e.settings().cursor_end_field, CursorEndField::cfBegin);
    EXPECT_EQ(e.settings().combo_box.Items, "Anna|Adam|Alena");
    e.KeyDown(vk::kDelete, {}, Czech());
    EXPECT_EQ(e.state().text, "");
    e.Char('a', Czech());
    EXPECT_EQ(e.state().text, "Anna");
    e.Char('a', Czech());
    EXPECT_EQ(e.state().text, "Adam");
    e.Char('a', Czech());
    e.Char('a', Czech());
    EXPECT_EQ(e.state().text, "Anna");
    e.settings().combo_box.OffDelKey = true;
    EXPECT_EQ(e.KeyDown(vk::kBack, {}, Czech()).key, vk::kBack);
    EXPECT_EQ(e.state().text, "Anna");
    EXPECT_EQ(e.KeyDown(vk::kInsert, {.shift = true}, Czech()).key, 0);
}

TEST(EditComboBox, ItemsOfOtherTypesAreDroppedOnEntry) {
    EditSettings s;
    s.combo_box.Items = "a|b";
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    EXPECT_TRUE(e.settings().combo_box.Items.empty());
}

TEST(EditButton, ClickColoursAndPickList) {
    EditSettings s;
    s.color_edit_on_butt_active = true;
    EditBehavior e = Loaded(s);
    e.Enter(false, Czech());
    ButtonClickStart start = e.BeginButtonClick();
    EXPECT_TRUE(start.take_focus);
    EXPECT_FALSE(start.open_pick_list);
    EXPECT_EQ(e.state().colour, kClInfoBk);
    e.EndButtonClick();
    EXPECT_EQ(e.state().colour, kColourLightYellow);

    EditSettings p = PickList();
    p.combo_box.DropDownCount = 25;
    EditBehavior c = Loaded(p);
    start = c.BeginButtonClick();
    EXPECT_TRUE(start.open_pick_list);
    EXPECT_EQ(start.drop_down_count, 6);
    EXPECT_EQ(c.state().colour, p.combo_box.ColorEditOnFocus);
    c.PickListClosed(true, "Alena");
    EXPECT_EQ(c.state().text, "Alena");
    EXPECT_EQ(c.state().colour, kColourLightYellow);
    c.BeginButtonClick();
    c.PickListClosed(false, "");
    EXPECT_EQ(c.state().text, "Alena");

    EditBehavior empty = Loaded(OfType(TypeEdit::teComboBox));
    EXPECT_FALSE(empty.BeginButtonClick().open_pick_list);
}

TEST(EditPaint, NumbersAreDrawnByTheControlOnlyWithoutFocus) {
    EditBehavior e = Loaded(OfType(TypeEdit::teCurrency), "1234567,5");
    EXPECT_EQ(e.state().text, "1234567,50");
    e.state().text = "1234567,5";
    PaintPlan plan = e.Paint();
    EXPECT_TRUE(plan.custom);
    EXPECT_EQ(plan.display, "1 234 567,5 Kč"_cz);
    EXPECT_EQ(plan.alignment, PaintAlignment::Right);
    e.Enter(false, Czech());
    EXPECT_FALSE(e.Paint().custom);
    EXPECT_TRUE(e.Paint(/*copy_mode=*/true).custom);
    e.Exit(Czech());
    e.settings().password_char = '*';
    EXPECT_EQ(e.Paint().display, std::string(14, '*'));
    EXPECT_FALSE(Loaded(EditSettings(), "x").Paint().custom);
}

TEST(EditButtonLayout, InsideTheRightEdge) {
    SideButtonLayout l = LayoutSideButton(121, 21, 15, true);
    EXPECT_EQ(l.button, (EditRect{102, 0, 117, 17}));
    EXPECT_EQ(l.format, (EditRect{0, 0, 102, 21}));
    l = LayoutSideButton(121, 21, 15, false);
    EXPECT_EQ(l.button, (EditRect{106, 0, 121, 21}));
    EXPECT_EQ(ClampButtonWidth(5, 121), 15);
    EXPECT_EQ(ClampButtonWidth(500, 121), 121);
    EXPECT_EQ(ClampButtonWidth(30, 121), 30);
}

}  // namespace
}  // namespace zerkon::edit
