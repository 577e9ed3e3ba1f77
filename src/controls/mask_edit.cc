#include "controls/mask_edit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/mask_revision.h"

namespace zerkon {

namespace {

constexpr char kEmptyPlace = '_';
// Typing jumps only over the literals numbered 1 to 9; the Delete key looks
// for the end of its group among the first 25 literals.
constexpr int kJumpLiterals = 9;
constexpr int kGroupLiterals = 25;
// Flowing editing appends this many empty places before re-placing literals.
constexpr int kFlowPadding = 7;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The body of a mask together with its editing mode.
class Pattern {
  public:
    explicit Pattern(std::string_view mask) : body_(MaskBody(mask)), fixed_(IsFixedMask(mask)) {}

    int size() const { return static_cast<int>(body_.size()); }
    bool fixed() const { return fixed_; }
    char at(int pos) const { return body_[static_cast<size_t>(pos)]; }

    bool IsPlaceholder(int pos) const {
        if (pos < 0 || pos >= size()) return false;
        char m = at(pos);
        return fixed_ ? IsDigit(m) : (m == '0' || m == '9');
    }
    bool IsLiteral(int pos) const { return pos >= 0 && pos < size() && !IsPlaceholder(pos); }

    // The number (1, 2, ...) of the literal at `pos`; 0 when `pos` is no literal.
    int LiteralNumber(int pos) const {
        if (!IsLiteral(pos)) return 0;
        int number = 0;
        for (int p = 0; p <= pos; ++p) {
            if (IsLiteral(p)) ++number;
        }
        return number;
    }

    // The caret after a character was placed at `pos`: after it, and over a
    // following literal numbered 1 to 9.
    int CaretAfter(int pos) const {
        int literal = LiteralNumber(pos + 1);
        if (literal >= 1 && literal <= kJumpLiterals) return pos + 2;
        return pos + 1;
    }

    // End of the group that starts at `pos`: the position of the next literal
    // (among the first 25) at or after `pos`, else `text_size`.
    int GroupEnd(int pos, int text_size) const {
        int number = 0;
        for (int p = 0; p < size(); ++p) {
            if (!IsLiteral(p)) continue;
            if (++number > kGroupLiterals) break;
            if (p >= pos) return p;
        }
        return text_size;
    }

  private:
    std::string_view body_;
    bool fixed_;
};

// The text fitted to the pattern, with the selection clamped into it.
struct Working {
    std::string text;
    int caret = 0;
    int length = 0;
};

Working Prepare(std::string_view mask, const MaskEditText& edit) {
    Working w;
    w.text = FitTextToMask(edit.text, mask);
    int size = static_cast<int>(w.text.size());
    w.caret = std::clamp(edit.sel_start, 0, size);
    w.length = std::clamp(edit.sel_length, 0, size - w.caret);
    return w;
}

MaskEditText Finish(std::string_view mask, std::string text, int caret) {
    MaskEditText result;
    result.text = FitTextToMask(text, mask);
    result.sel_start = std::clamp(caret, 0, static_cast<int>(result.text.size()));
    result.sel_length = 0;
    return result;
}

// Empties every digit of the selection (Backspace or Delete over a selection).
void BlankSelectedDigits(Working& w) {
    for (int p = w.caret; p < w.caret + w.length; ++p) {
        if (IsDigit(w.text[static_cast<size_t>(p)])) w.text[static_cast<size_t>(p)] = kEmptyPlace;
    }
}

// --- Fixed editing ---------------------------------------------------------

// Puts `ch` at the caret, or after the literal at the caret; returns the new
// caret (unchanged when nothing could be placed).
int PlaceFixed(const Pattern& pattern, std::string& text, int caret, char ch) {
    if (caret >= pattern.size() || caret >= static_cast<int>(text.size())) return caret;
    if (pattern.IsPlaceholder(caret)) {
        text[static_cast<size_t>(caret)] = ch;
        return pattern.CaretAfter(caret);
    }
    // A literal at the caret: the character goes to the place after it. A
    // second literal there is never overwritten.
    int next = caret + 1;
    if (!pattern.IsPlaceholder(next) || next >= static_cast<int>(text.size())) return caret;
    text[static_cast<size_t>(next)] = ch;
    return next + 1;
}

MaskEditText TypeFixed(std::string_view mask, const Pattern& pattern, Working w, char ch) {
    if (w.length > 1 && IsDigit(ch)) {
        for (int p = w.caret; p < w.caret + w.length; ++p) {
            if (pattern.IsPlaceholder(p)) w.text[static_cast<size_t>(p)] = kEmptyPlace;
        }
    }
    int caret = PlaceFixed(pattern, w.text, w.caret, ch);
    return Finish(mask, std::move(w.text), caret);
}

MaskEditText BackspaceFixed(std::string_view mask, Working w) {
    if (w.length > 1) {
        BlankSelectedDigits(w);
        return Finish(mask, std::move(w.text), w.caret);
    }
    if (w.caret == 0) return Finish(mask, std::move(w.text), 0);
    char& left = w.text[static_cast<size_t>(w.caret - 1)];
    if (IsDigit(left)) left = kEmptyPlace;
    return Finish(mask, std::move(w.text), w.caret - 1);
}

MaskEditText DeleteFixed(std::string_view mask, const Pattern& pattern, Working w) {
    if (w.length > 1) {
        BlankSelectedDigits(w);
        return Finish(mask, std::move(w.text), w.caret);
    }
    int end = pattern.GroupEnd(w.caret, static_cast<int>(w.text.size()));
    if (end > w.caret) {
        auto first = w.text.begin() + w.caret;
        auto last = w.text.begin() + end;
        std::rotate(first, first + 1, last);
        *(last - 1) = kEmptyPlace;
    }
    return Finish(mask, std::move(w.text), w.caret);
}

// --- Flowing editing -------------------------------------------------------

// Pads the collected digits and puts the literals back at their places: the
// digits close any gap left by a removed character.
std::string Reflow(const Pattern& pattern, std::string digits) {
    digits.append(kFlowPadding, kEmptyPlace);
    for (int p = 0; p < pattern.size(); ++p) {
        if (!pattern.IsLiteral(p)) continue;
        if (p > static_cast<int>(digits.size())) break;
        digits.insert(digits.begin() + p, pattern.at(p));
    }
    return digits;
}

// Removes the selection, or the character left (Backspace) or right (Delete)
// of the caret, and lets the remaining digits flow together. A digit that is
// the mask's own literal at its place is not collected, so that a literal
// digit is never copied into a placeholder.
Working RemoveFlowing(const Pattern& pattern, Working w, bool backspace) {
    int from = w.caret;
    int to = w.caret + w.length;
    if (w.length == 0) {
        if (backspace && w.caret > 0) {
            from = w.caret - 1;
            to = w.caret;
        } else if (!backspace && w.caret < static_cast<int>(w.text.size())) {
            to = w.caret + 1;
        }
    }
    std::string digits;
    for (int p = 0; p < static_cast<int>(w.text.size()); ++p) {
        char c = w.text[static_cast<size_t>(p)];
        if (p >= from && p < to) continue;
        if (pattern.IsLiteral(p) && c == pattern.at(p)) continue;
        if (IsDigit(c)) digits.push_back(c);
    }
    w.text = Reflow(pattern, std::move(digits));
    w.caret = from;
    w.length = 0;
    return w;
}

// Types `ch` at the placeholder `pos`: an empty place is overwritten, a
// filled one makes room by shifting the following places right (what no
// longer fits at the end is dropped).
int PlaceFlowing(const Pattern& pattern, std::string& text, int pos, char ch) {
    if (text[static_cast<size_t>(pos)] != kEmptyPlace) {
        std::vector<int> places;
        for (int p = pos; p < pattern.size(); ++p) {
            if (pattern.IsPlaceholder(p)) places.push_back(p);
        }
        for (size_t i = places.size() - 1; i > 0; --i) {
            text[static_cast<size_t>(places[i])] = text[static_cast<size_t>(places[i - 1])];
        }
    }
    text[static_cast<size_t>(pos)] = ch;
    return pattern.CaretAfter(pos);
}

MaskEditText TypeFlowing(std::string_view mask, const Pattern& pattern, Working w, char ch) {
    if (w.length > 1) {
        w = RemoveFlowing(pattern, std::move(w), false);
        w.text = FitTextToMask(w.text, mask);
    }
    int caret = w.caret;
    if (pattern.IsPlaceholder(caret)) {
        caret = PlaceFlowing(pattern, w.text, caret, ch);
    } else if (pattern.IsPlaceholder(caret + 1)) {
        caret = PlaceFlowing(pattern, w.text, caret + 1, ch);
    }
    return Finish(mask, std::move(w.text), caret);
}

}  // namespace

std::string_view MaskBody(std::string_view mask) {
    return IsFixedMask(mask) ? mask.substr(1) : mask;
}

bool IsFixedMask(std::string_view mask) {
    return !mask.empty() && (mask.front() == '!' || mask.front() == '?');
}

std::string FitTextToMask(std::string_view text, std::string_view mask) {
    Pattern pattern(mask);
    if (pattern.size() == 0) return std::string(text);
    std::string fitted(text.substr(0, static_cast<size_t>(pattern.size())));
    for (int p = static_cast<int>(fitted.size()); p < pattern.size(); ++p) {
        fitted.push_back(pattern.IsPlaceholder(p) ? kEmptyPlace : pattern.at(p));
    }
    return fitted;
}

std::string ApplyMaskOn(std::string_view text, std::string_view mask, TMaskOn entry_mode,
                        TMaskOn exit_mode, const MaskNow& now, DateTimeFormats* formats) {
    return ReviseMaskedText(text, mask, entry_mode, exit_mode, now, formats);
}

void RebuildMaskTypingSet(TMaskSpecEdit& mask_settings, bool labeled_edit) {
    const std::string& mask = mask_settings.Mask;
    auto holds = [&mask](char c) { return mask.find(c) != std::string::npos; };
    if (labeled_edit) {
        if (holds('9') || holds('0')) mask_settings.typing_set = " 0123456789";
    } else if (holds('9') || holds('!') || holds('?')) {
        mask_settings.typing_set = "0123456789";
    }
}

std::string MaskTextOnEnter(std::string_view text, const TMaskSpecEdit& mask_settings,
                            const MaskNow& now, DateTimeFormats* formats) {
    return ApplyMaskOn(FitTextToMask(text, mask_settings.Mask), mask_settings.Mask,
                       mask_settings.MaskOnEnter, TMaskOn::moNone, now, formats);
}

std::string MaskTextOnExit(std::string_view text, const TMaskSpecEdit& mask_settings,
                           const MaskNow& now, DateTimeFormats* formats) {
    return ApplyMaskOn(FitTextToMask(text, mask_settings.Mask), mask_settings.Mask, TMaskOn::moNone,
                       mask_settings.MaskOnExit, now, formats);
}

int MaskEntryCaret(std::string_view text) {
    size_t pos = text.find(kEmptyPlace);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

bool MaskDropsCharacter(char ch) {
    return ch == '\b' || ch == '.';
}

MaskTypeResult MaskTypeCharacter(const TMaskSpecEdit& mask_settings, const MaskEditText& edit,
                                 char ch) {
    if (ch == '\0' || mask_settings.typing_set.find(ch) == std::string::npos) return {false, edit};
    Pattern pattern(mask_settings.Mask);
    Working w = Prepare(mask_settings.Mask, edit);
    if (pattern.fixed()) return {true, TypeFixed(mask_settings.Mask, pattern, std::move(w), ch)};
    return {true, TypeFlowing(mask_settings.Mask, pattern, std::move(w), ch)};
}

MaskKeyDownResult MaskKeyDown(const TMaskSpecEdit& mask_settings, const MaskEditText& edit,
                              int virtual_key, bool shift) {
    if (virtual_key == vk::kInsert && shift) return {true, edit};
    if (virtual_key != vk::kBack && virtual_key != vk::kDelete) return {false, edit};
    bool backspace = virtual_key == vk::kBack;
    Pattern pattern(mask_settings.Mask);
    Working w = Prepare(mask_settings.Mask, edit);
    if (pattern.fixed()) {
        return {true, backspace ? BackspaceFixed(mask_settings.Mask, std::move(w))
                                : DeleteFixed(mask_settings.Mask, pattern, std::move(w))};
    }
    w = RemoveFlowing(pattern, std::move(w), backspace);
    return {true, Finish(mask_settings.Mask, std::move(w.text), w.caret)};
}

}  // namespace zerkon
