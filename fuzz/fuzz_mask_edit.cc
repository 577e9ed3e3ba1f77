// Masked date and time fields driven by key strokes, clicks, pasted texts and
// focus changes: the selection stays within the text, typing keeps the mask's
// length and literals, and a date is left as a real date that a second
// revision leaves alone.

#include <array>

#include "common/cp1250.h"
#include "controls/mask_revision.h"
#include "fuzz_support.h"

using namespace zerkon;
using namespace zerkon::edit;
using zerkon::fuzz::Check;

namespace {

constexpr std::array<const char*, 14> kMasks = {
    "!99.99.9999", "!99.99.99", "!99.99",       "!99:99:99", "!99:99:99.999",
    "!99:99",      "?99:99",    "!99:15",       "!99.99.",   "99.99.9999",
    "(999) 000-0", "!00/00",    "!9-9-9-9-9-9", ""};

bool IsPlaceholder(std::string_view mask, char c) {
    return IsFixedMask(mask) ? c >= '0' && c <= '9' : c == '0' || c == '9';
}

// The text has the body's length and its literals in their places.
bool Fitted(std::string_view text, std::string_view mask) {
    const std::string_view body = MaskBody(mask);
    if (text.size() != body.size()) return false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (!IsPlaceholder(mask, body[i]) && text[i] != body[i]) return false;
    }
    return true;
}

// Every placeholder holds a digit.
bool DigitsOnly(std::string_view text, std::string_view mask) {
    const std::string_view body = MaskBody(mask);
    for (std::size_t i = 0; i < body.size() && i < text.size(); ++i) {
        if (IsPlaceholder(mask, body[i]) && (text[i] < '0' || text[i] > '9')) return false;
    }
    return true;
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

int Number(std::string_view digits) {
    return std::stoi(std::string(digits));
}

// A revised date: day and month as written make a real date of the year.
bool RealDate(std::string_view text, MaskKind kind, int this_year) {
    const int day = Number(text.substr(0, 2));
    const int month = Number(text.substr(3, 2));
    int year = this_year;
    if (kind == MaskKind::kDayMonthYear4) year = Number(text.substr(6, 4));
    if (kind == MaskKind::kDayMonthYear2) year = Number(text.substr(6, 2));
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 && day <= days[month - 1];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    EditSettings settings;
    settings.edit_type = TypeEdit::teMask;
    const std::size_t pick = in.Below(static_cast<int>(kMasks.size()));
    const std::string mask =
        pick + 1 < kMasks.size() ? kMasks[pick] : std::string(in.Take(in.Below(16)));
    settings.mask_edit.Mask = mask;
    settings.mask_edit.MaskOnEnter = static_cast<TMaskOn>(in.Below(5));
    settings.mask_edit.MaskOnExit = static_cast<TMaskOn>(in.Below(5));
    const std::uint8_t flags = in.Byte();
    settings.labeled = flags & 1;
    settings.auto_select = flags & 2;
    settings.string_edit.filtr_use = flags & 4;
    settings.cursor_end_field = static_cast<CursorEndField>(in.Below(7));
    EditEnvironment env;
    env.upper = [](char c) { return UpperCase1250(c); };
    env.now.now = {1990 + in.Below(40), 1 + in.Below(12), 1 + in.Below(31),
                   in.Below(24),        in.Below(60),     in.Below(60)};
    env.now.date_default_year = in.Below(4) == 0 ? 1999 + in.Below(3) : 0;
    const int this_year =
        env.now.date_default_year > 0 ? env.now.date_default_year : env.now.now.year;
    while (!RealDate(TwoDigits(env.now.now.day) + "." + TwoDigits(env.now.now.month) + ".",
                     MaskKind::kDayMonth, this_year)) {
        --env.now.now.day;  // today is a real day
    }

    EditBehavior e(settings);
    e.state().text = std::string(in.Take(in.Below(14)));
    e.Loaded(env);
    e.WriteVersion();
    const MaskKind kind = RecogniseMask(mask);
    const bool date = kind == MaskKind::kDayMonthYear4 || kind == MaskKind::kDayMonthYear2 ||
                      kind == MaskKind::kDayMonth;
    const TMaskOn exit_mode = settings.mask_edit.MaskOnExit;
    bool fitted = e.state().text.empty() || Fitted(e.state().text, mask);

    fuzz::EditDriver driver(e, env);
    driver.Run(in, [&](const fuzz::EditDriver::Last& last) {
        const EditState& state = e.state();
        const std::string& text = state.text;
        // The typing rules themselves hand back a caret within their text.
        const MaskEditText now{text, state.sel_start, state.sel_length};
        for (const MaskEditText& after :
             {MaskTypeCharacter(e.settings().mask_edit, now, '7').edit,
              MaskKeyDown(e.settings().mask_edit, now, vk::kBack, false).edit,
              MaskKeyDown(e.settings().mask_edit, now, vk::kDelete, false).edit}) {
            Check(after.sel_start >= 0 && after.sel_length >= 0 &&
                      after.sel_start + after.sel_length <= static_cast<int>(after.text.size()),
                  "the typing rules keep the caret within the text", after.text);
        }
        if (MaskBody(mask).empty()) return;
        // A text set by the program or pasted need not fit the mask; what is
        // typed into a fitted text, and its revision, keep it fitted.
        const bool fitted_before = fitted;
        fitted = text.empty() || Fitted(text, mask);
        if (last.typed && !last.exited && fitted_before) {
            Check(fitted, "typing keeps the mask's length and literals", text);
        }
        if (!last.exited) return;
        const std::string& left = last.exit_text;
        Check(left.empty() || left.size() == MaskBody(mask).size(),
              "a field is left with the mask's length", left);
        if (!Fitted(left, mask)) return;
        const bool revised = exit_mode != TMaskOn::moNone;
        if (!date || !revised || !DigitsOnly(left, mask)) return;
        Check(RealDate(left, kind, this_year), "a revised date is a real date", left);
        Check(ApplyMaskOn(left, mask, TMaskOn::moNone, exit_mode, env.now) == left,
              "a revised date needs no second revision", left);
    });
    return 0;
}
