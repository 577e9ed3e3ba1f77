#pragma once
// Masked editing of the edit control (EditType teMask): typing into a
// fixed-length pattern such as a date, Backspace and Delete, fitting a text to
// the pattern, and the revision that completes or corrects a date or time on
// entry and exit. Pure functions over a small text state; the edit control
// (TMEdit) calls them at the points named on each function and applies the
// result itself. Texts are Windows-1250 bytes; positions are 0-based caret
// positions as the edit reports them.
//
// Mask syntax: a first character '!' or '?' selects fixed editing and is not
// part of the body; without it the whole mask is the body and editing flows
// (digits move to close gaps). In a fixed body every digit is a placeholder,
// in a flowing body only '0' and '9'; every other body character is a literal
// that stands in the text at its place. A masked text always has the body's
// length, with '_' in every empty placeholder.

#include <string>
#include <string_view>

#include "common/date_time.h"
#include "controls/virtual_keys.h"

namespace zerkon {

// Revision applied on entry (MaskOnEnter) or exit (MaskOnExit).
enum class TMaskOn {
    moNone,          // no revision
    moRevision,      // plain rules
    moRevisionSpec,  // special rules on exit, plain rules on entry
    moRevisionSys,   // system rules (today's values replace what is out of range)
    moSystem,        // an empty field gets now; a filled one is revised as moRevisionSys
};

// The mask settings of an edit control (its MaskEdit sub-object).
struct TMaskSpecEdit {
    std::string Mask;
    TMaskOn MaskOnEnter = TMaskOn::moNone;
    TMaskOn MaskOnExit = TMaskOn::moNone;
    bool MaskDelShift = false;  // a setting without effect: editing ignores it

    // Run-time: the characters that may be typed, rebuilt on every entry by
    // RebuildMaskTypingSet. Empty at first, so nothing can be typed before the
    // first entry.
    std::string typing_set;
};

// The edit's text with its selection, as read from and written back to the
// control (EM_GETSEL / EM_SETSEL). sel_length 0 means a plain caret.
struct MaskEditText {
    std::string text;
    int sel_start = 0;
    int sel_length = 0;

    bool operator==(const MaskEditText&) const = default;
};

// "Now" as the revision sees it. date_default_year is the unit-wide
// DateDefaultYear: when above 0 it replaces the current year of every "today".
struct MaskNow {
    LocalDateTime now;
    int millisecond = 0;
    int date_default_year = 0;
};

// The date and time formats that entering and leaving a date or time field
// select. They are kept per control (one value owned by the control) instead
// of being written into process-wide settings: the revised texts use "." and
// ":" directly, so they come out the same, and no other date formatting of
// the program is changed behind its back. A field that is never revised
// leaves them untouched (empty / 0).
struct DateTimeFormats {
    std::string short_date_format;  // "dd/mm/yyyy", "dd/mm/yy" or "dd/mm"
    std::string short_time_format;  // "hh:mm:ss" or "hh:mm"
    std::string long_time_format;   // "hh:mm:ss.zzz"
    char date_separator = 0;        // '.' once a date was revised or filled
    char time_separator = 0;        // ':' once a time was revised or filled
};

// --- Pattern helpers -------------------------------------------------------

// The body of a mask: the mask without a leading '!' or '?'.
std::string_view MaskBody(std::string_view mask);
// True for a mask that starts with '!' or '?'.
bool IsFixedMask(std::string_view mask);

// Completes a text shorter than the body, position by position, with the
// body's literal or '_'; cuts a longer text to the body's length. A mask with
// an empty body leaves the text as it is.
// The edit calls it on entry and exit (inside MaskTextOnEnter / MaskTextOnExit)
// and whenever its version is set, which TMEdit does last when it is made, so
// a masked field is fitted once then: set the text to the result.
std::string FitTextToMask(std::string_view text, std::string_view mask);

// The revision of a date or time text for the recognised masks
// ("!99.99.9999", "!99.99.99", "!99.99", "!99:99:99", "!99:99:99.999",
// "!99:99", "?99:99", "!99:15"); any other mask returns the text unchanged.
// Called with (MaskOnEnter, moNone) on entry and (moNone, MaskOnExit) on exit.
// The result may be empty (a date without a day); the next fit shows the
// empty pattern again. A part that does not convert leaves the text as it was.
// `formats`, when given, receives the formats the mask selects.
std::string ApplyMaskOn(std::string_view text, std::string_view mask, TMaskOn entry_mode,
                        TMaskOn exit_mode, const MaskNow& now, DateTimeFormats* formats = nullptr);

// --- Points at which the edit control calls in ----------------------------

// Entry, step "typing sets are rebuilt" (after the colour change, before the
// caret is placed). `labeled_edit` is true for TMLabeledEdit, which may type
// " 0123456789" when the mask contains '9' or '0'; TMEdit may type
// "0123456789" when the mask contains '9', '!' or '?'. Otherwise the set keeps
// its previous content.
void RebuildMaskTypingSet(TMaskSpecEdit& mask_settings, bool labeled_edit);

// Entry, right after the standard edit's entry processing (whole text
// selected when focus did not come by mouse): fits the text and applies the
// MaskOnEnter revision. The edit sets its text to the result (it keeps its
// selection policy; the caret is placed later, see MaskEntryCaret).
std::string MaskTextOnEnter(std::string_view text, const TMaskSpecEdit& mask_settings,
                            const MaskNow& now, DateTimeFormats* formats = nullptr);

// Exit, at the type-specific step (before the colour reset and the required
// check): fits the text and applies the MaskOnExit revision. The edit sets its
// text to the result; an untouched date field with moRevisionSpec leaves as
// an empty text, so the required check then sees it as empty.
std::string MaskTextOnExit(std::string_view text, const TMaskSpecEdit& mask_settings,
                           const MaskNow& now, DateTimeFormats* formats = nullptr);

// Entry, caret step, without AutoSelect and after the cfPosition / cfBegin /
// cfEnd placement: the position before the first '_' of the text, or -1 when
// there is none (the caret then stays where the CursorEndField rule put it).
int MaskEntryCaret(std::string_view text);

// Character message (WM_CHAR, before key-press), after the edit has taken its
// undo copy of the text and caret: true when the character must be dropped
// here (Backspace 8 and '.'), so that it never reaches key-press.
bool MaskDropsCharacter(char ch);

struct MaskTypeResult {
    // True when the character was in the typing set and the typing rules ran;
    // `edit` is then the new text and caret (sel_length 0) to set. False: the
    // character is refused silently. Either way the character itself must not
    // reach the underlying edit (discard it; key-press processing ends).
    bool accepted = false;
    MaskEditText edit;
};

// Key-press, after the Enter handling of the control and after the string
// filter: when StringEdit.FiltrUse is set, pass 0 for a character that the
// filter set does not hold (a set that was never built holds nothing).
MaskTypeResult MaskTypeCharacter(const TMaskSpecEdit& mask_settings, const MaskEditText& edit,
                                 char ch);

struct MaskKeyDownResult {
    // True for Shift+Insert (no pasting by keyboard), Backspace and Delete:
    // the key is discarded (the edit goes on with key code 0). Backspace and
    // Delete also set `edit` (text and caret, sel_length 0), which the edit
    // applies. False: the key is none of these; `edit` is unchanged.
    bool discard = false;
    MaskEditText edit;
};

// Key-down, at the type-specific step (after the focus-movement decision,
// before the focus movement itself and the short-cut check).
MaskKeyDownResult MaskKeyDown(const TMaskSpecEdit& mask_settings, const MaskEditText& edit,
                              int virtual_key, bool shift);

}  // namespace zerkon
