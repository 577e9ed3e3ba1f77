// Number fields driven by key strokes, clicks, pasted texts and focus
// changes: the selection stays within the text, only allowed characters are
// typed, a field is left with a number that its value matches, and a field
// that validates is never left with a value outside its range.

#include <cstdlib>

#include "common/cp1250.h"
#include "fuzz_support.h"

using namespace zerkon;
using namespace zerkon::edit;
using zerkon::fuzz::Check;

namespace {

constexpr Amount kBounds[] = {0,
                              0,
                              100 * kAmountUnit,
                              -100 * kAmountUnit,
                              5 * kAmountUnit,
                              -5 * kAmountUnit,
                              12345,
                              922337203685477LL * kAmountUnit};

EditSettings Settings(fuzz::Input& in) {
    EditSettings s;
    s.edit_type = static_cast<TypeEdit>(in.Below(3));
    TNumberEdit& n = s.number;
    n.decimal = in.Below(5);
    n.decimal_show = in.Below(6);
    n.number_area = static_cast<NumberArea>(in.Below(5));
    n.value_min = kBounds[in.Below(8)];
    n.value_max = kBounds[in.Below(8)];
    n.number_count = in.Below(5);
    n.curr_position = static_cast<CurrencyPos>(in.Below(4));
    const std::uint8_t flags = in.Byte();
    n.valid = flags & 1;
    n.number_none_do_zero = flags & 2;
    n.number_text_to_value = !(flags & 4);
    n.cursor_zero_over = flags & 8;
    n.right_alignment = flags & 16;
    s.auto_select = flags & 32;
    s.required = flags & 64;
    s.cursor_end_field = static_cast<CursorEndField>(in.Below(7));
    s.max_length = in.Below(4) == 0 ? 6 : 0;
    return s;
}

bool InRange(const TNumberEdit& n, Amount v) {
    switch (n.number_area) {
        case NumberArea::naOnlyPositive:
            if (v <= 0) return false;
            break;
        case NumberArea::naOnlyNegative:
            if (v >= 0) return false;
            break;
        case NumberArea::naPositive:
            if (v < 0) return false;
            break;
        case NumberArea::naNegative:
            if (v > 0) return false;
            break;
        case NumberArea::naUnspecified:
            break;
    }
    if ((n.value_max != 0 || n.value_min < 0) && v > n.value_max) return false;
    if ((n.value_min != 0 || n.value_max > 0) && v < n.value_min) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    EditEnvironment env;
    env.upper = [](char c) { return UpperCase1250(c); };
    env.lower = [](char c) { return LowerCase1250(c); };
    const bool english = in.Bool();
    env.decimal_separator = english ? '.' : ',';
    env.thousands_separator = english ? ',' : '\xA0';
    EditBehavior e(Settings(in));
    e.state().text = std::string(in.Take(in.Below(12)));
    e.Loaded(env);
    const EditSettings& settings = e.settings();
    const TNumberEdit& number = settings.number;
    const bool integer = settings.edit_type == TypeEdit::teInteger;

    fuzz::EditDriver driver(e, env);
    driver.Run(in, [&](const fuzz::EditDriver::Last& last) {
        const EditState& s = e.state();
        if (last.passed != 0 && last.passed != '\b') {
            Check(Contains(s.number_allowed, last.passed),
                  "only allowed characters are typed into a number field",
                  std::string(1, last.passed));
        }
        if (!last.exited || last.exit.message == std::string(kRequiredMessage)) return;
        if (last.exit.message) {
            Check(last.exit.refocus && last.exit_text == s.undo_text,
                  "an error keeps the focus and gives back the text before the last character",
                  last.exit_text);
            return;
        }
        const std::string& text = last.exit_text;
        if (text.empty()) return;
        const auto parsed = ParseAmount(text, env.decimal_separator);
        if (!number.number_text_to_value) {
            // Left as text: sign, digits and one separator, however long.
            const std::size_t digits = text.find_first_not_of("0123456789", text[0] == '-');
            Check(digits == std::string::npos ||
                      (text[digits] == env.decimal_separator &&
                       text.find_first_not_of("0123456789", digits + 1) == std::string::npos),
                  "a number field is left with a number", text);
            if (!parsed) return;
        }
        Check(parsed.has_value(), "a number field is left with a number", text);
        if (number.number_text_to_value) {
            const Amount unit = integer ? kAmountUnit / 2 : [&] {
                Amount step = 1;
                for (int d = number.decimal; d < 4; ++d) step *= 10;
                return step - 1;
            }();
            Check(std::llabs(*parsed - s.value) <= unit, "the text and the value agree",
                  text + " / " + std::to_string(s.value));
        }
        if (number.valid) {
            Check(InRange(number, *parsed), "a validated field is left within its range", text);
        }
    });
    return 0;
}
