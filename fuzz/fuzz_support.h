#pragma once
// Shared by the fuzz targets: reading the fuzzer's bytes, stopping on a broken
// promise, scratch files for the APIs that read by path, and the checks that
// several targets make (line breaks, well-formed XML).

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "bank/output_text.h"
#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"
#include "controls/edit_behavior.h"
#include "platform/message_box.h"

namespace zerkon::fuzz {

// The disk, as the program's main hands it on.
inline FileSystem& Disk() {
    static DiskFileSystem files;
    return files;
}

// Prints what broke and aborts, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(std::string_view promise, std::string_view detail = {}) {
    std::fprintf(stderr, "\nBROKEN PROMISE: %.*s\n", static_cast<int>(promise.size()),
                 promise.data());
    if (!detail.empty()) {
        std::fputs("  detail: ", stderr);
        for (char c : detail.substr(0, 400)) {
            const auto b = static_cast<unsigned char>(c);
            if (b >= 0x20 && b < 0x7F) {
                std::fputc(c, stderr);
            } else {
                std::fprintf(stderr, "\\x%02X", b);
            }
        }
        std::fputc('\n', stderr);
    }
    std::abort();
}

inline void Check(bool kept, std::string_view promise, std::string_view detail = {}) {
    if (!kept) Fail(promise, detail);
}

// The fuzzer's bytes, taken from the front. Reads past the end give zeros.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return rest_.empty(); }
    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    bool Bool() { return (Byte() & 1) != 0; }
    int Below(int n) { return Byte() % n; }
    std::int64_t Int64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v = (v << 8) | Byte();
        return static_cast<std::int64_t>(v);
    }
    std::string_view Take(std::size_t n) {
        const std::string_view part = rest_.substr(0, n);
        rest_.remove_prefix(part.size());
        return part;
    }
    // Up to the next NUL (which is dropped), or the rest.
    std::string_view Field() {
        const std::size_t end = rest_.find('\0');
        const std::string_view field = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return field;
    }
    std::string_view Rest() { return Take(rest_.size()); }

  private:
    std::string_view rest_;
};

// A file of this process's scratch folder holding `bytes`; returns its path.
inline std::string WriteScratch(std::string_view name, std::string_view bytes) {
    static const std::filesystem::path folder = [] {
        std::filesystem::path p =
            std::filesystem::temp_directory_path() / ("zerkon-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    const std::filesystem::path path = folder / std::string(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return path.string();
}

inline bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A CR or LF that is not part of a CR LF pair.
inline bool HasLoneLineBreak(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return true;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return true;
    }
    return false;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

inline std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t p = text.find(part); p != std::string_view::npos;
         p = text.find(part, p + part.size())) {
        ++n;
    }
    return n;
}

// Upper bound of an output made of a few fixed texts per input line plus the
// line's own bytes: a decoder must not blow a file up.
inline std::size_t OutputLimit(std::string_view input) {
    const std::size_t lines = Count(input, "\n") + Count(input, "\r") + 1;
    return 1024 + 640 * lines + 3 * input.size();
}

// The lines of a text whose every line ends in CR LF.
inline std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// What the memo receives from a preview: whole lines ending in CR LF, none
// holding a lone CR or LF or a NUL (the memo's text would end there), and no
// more than the file's size explains.
inline std::vector<std::string> CheckPreview(const std::string& text, std::string_view input) {
    Check(text.empty() || text.ends_with("\r\n"), "the preview ends with a whole line", text);
    Check(!HasLoneLineBreak(text), "no preview line holds a lone CR or LF", text);
    Check(text.find('\0') == std::string::npos, "no preview line holds a NUL", text);
    Check(text.size() <= OutputLimit(input), "the preview grows with the file only",
          std::to_string(text.size()));
    return LinesOf(text);
}

// Remembers the boxes instead of showing them.
class RecordingBoxes : public MessageBoxes {
  public:
    struct Shown {
        std::string text;
        std::string caption;
    };
    MessageResult Show(std::string_view text, std::string_view caption, MessageIcon,
                       MessageButtons) override {
        shown.push_back({std::string(text), std::string(caption)});
        return MessageResult::Ok;
    }
    std::vector<Shown> shown;
};

// --- Edit controls ---------------------------------------------------------

// Drives an edit behaviour the way its window does: the fuzzer's bytes become
// key strokes, characters, clicks, focus changes and texts set by the
// program; what the behaviour passes on is done as the standard edit does it.
// After every step the selection must lie within the text, then `check` runs.
class EditDriver {
  public:
    using Behavior = edit::EditBehavior;

    EditDriver(Behavior& e, const edit::EditEnvironment& env) : e_(e), env_(env) {}

    template <typename CheckStep>
    void Run(Input& in, CheckStep&& check) {
        for (int steps = 0; !in.empty() && steps < 400; ++steps) {
            Step(in);
            const edit::EditState& s = e_.state();
            const int size = static_cast<int>(s.text.size());
            Check(s.sel_start >= 0 && s.sel_length >= 0 && s.sel_start + s.sel_length <= size,
                  "the selection lies within the text",
                  s.text + " sel " + std::to_string(s.sel_start) + "+" +
                      std::to_string(s.sel_length));
            check(last_);
        }
    }

    enum class Event { KeyDown, Char, Stroke, Enter, Exit, Select, SetText, SetValue, Paint };
    struct Last {
        Event event = Event::Paint;
        bool typed = false;  // a key or character reached the behaviour
        char passed = 0;     // the character passed on to the standard edit
        edit::ExitResult exit;
        bool exited = false;
        std::string exit_text;  // the text as the exit left it
    };

  private:
    static constexpr int kKeys[] = {vk::kBack,   vk::kReturn, vk::kPrior,     vk::kNext,
                                    vk::kLeft,   vk::kUp,     vk::kRight,     vk::kDown,
                                    vk::kInsert, vk::kDelete, 0x23 /* End */, 0x24 /* Home */};

    void Step(Input& in) {
        last_ = {};
        edit::EditState& s = e_.state();
        const int kind = in.Below(10);
        if (!s.focused && kind != 4 && kind != 5 && kind != 6 && kind != 7 && kind != 8) {
            last_.event = Event::Enter;
            e_.Enter(in.Bool(), env_);
            return;
        }
        switch (kind) {
            case 0: {  // a key without a character
                const std::uint8_t b = in.Byte();
                const int key = b < 200 ? kKeys[b % std::size(kKeys)] : b;
                KeyDown(key, Shift(in.Byte()));
                break;
            }
            case 1:  // a character without its key (Alt+numpad, IME)
                Char(static_cast<char>(in.Byte()));
                break;
            case 2:
            case 9: {  // main-row digit keys of the Czech layout, a run of them
                const int count = kind == 2 ? 1 : 1 + in.Below(10);
                for (int i = 0; i < count && s.focused; ++i) {
                    const int digit = in.Below(10);
                    const edit::ShiftState shift = Shift(in.Byte());
                    KeyDown(vk::k0 + digit, shift);
                    if (s.focused)
                        Char(shift.shift ? static_cast<char>('0' + digit) : "é+ěščřžýáí"_cz[digit]);
                }
                break;
            }
            case 3:  // the characters number and date fields live on
                Char("0123456789,.-_ \b\r"[in.Below(17)]);
                break;
            case 4:
                Exit();
                break;
            case 5: {  // a click or Shift+arrows: the edit keeps the selection in the text
                const int size = static_cast<int>(s.text.size());
                s.sel_start = std::min(static_cast<int>(in.Byte()), size);
                s.sel_length = std::min(static_cast<int>(in.Byte()), size - s.sel_start);
                last_.event = Event::Select;
                break;
            }
            case 6:  // the program or the clipboard sets the text
                s.text = std::string(in.Take(in.Below(24)));
                s.sel_start = static_cast<int>(s.text.size());
                s.sel_length = 0;
                e_.TextChanged();
                last_.event = Event::SetText;
                break;
            case 7:
                e_.SetValue(in.Int64() % (std::int64_t{1} << 50), env_);
                last_.event = Event::SetValue;
                break;
            case 8:
                e_.Paint(in.Bool());
                last_.event = Event::Paint;
                break;
        }
    }

    static edit::ShiftState Shift(std::uint8_t b) {
        return {(b & 1) != 0, (b & 2) != 0, (b & 4) != 0};
    }

    void KeyDown(int key, edit::ShiftState shift) {
        last_.event = Event::KeyDown;
        last_.typed = true;
        const edit::KeyResult r = e_.KeyDown(key, shift, env_);
        if (r.focus != edit::FocusMove::None) return Exit();
        edit::EditState& s = e_.state();
        const int size = static_cast<int>(s.text.size());
        switch (r.key) {
            case vk::kLeft:
                Caret(s.sel_start - 1);
                break;
            case vk::kRight:
                Caret(s.sel_start + s.sel_length + 1);
                break;
            case 0x24:
                Caret(0);
                break;
            case 0x23:
                Caret(size);
                break;
            case vk::kDelete:
                if (s.sel_length == 0 && s.sel_start < size) s.sel_length = 1;
                s.text.erase(static_cast<std::size_t>(s.sel_start),
                             static_cast<std::size_t>(s.sel_length));
                s.sel_length = 0;
                e_.TextChanged();
                break;
        }
    }

    void Char(char ch) {
        last_.event = Event::Char;
        last_.typed = true;
        const edit::CharResult r = e_.Char(ch, env_);
        last_.passed = r.ch;
        if (r.focus != edit::FocusMove::None) return Exit();
        edit::EditState& s = e_.state();
        if (r.ch == '\b') {
            if (s.sel_length == 0 && s.sel_start > 0) {
                --s.sel_start;
                s.sel_length = 1;
            }
            s.text.erase(static_cast<std::size_t>(s.sel_start),
                         static_cast<std::size_t>(s.sel_length));
            s.sel_length = 0;
            e_.TextChanged();
        } else if (r.ch != 0 && (static_cast<unsigned char>(r.ch) >= 0x20)) {
            const int max = e_.settings().max_length;
            if (max > 0 && static_cast<int>(s.text.size()) - s.sel_length + 1 > max) return;
            s.text.replace(static_cast<std::size_t>(s.sel_start),
                           static_cast<std::size_t>(s.sel_length), 1, r.ch);
            ++s.sel_start;
            s.sel_length = 0;
            e_.TextChanged();
        }
    }

    void Exit() {
        last_.event = Event::Exit;
        last_.exit = e_.Exit(env_);
        last_.exited = true;
        last_.exit_text = e_.state().text;
        // The window puts the focus back after an error; that is an entry again.
        if (last_.exit.refocus) e_.Enter(false, env_);
    }

    void Caret(int pos) {
        edit::EditState& s = e_.state();
        s.sel_start = std::clamp(pos, 0, static_cast<int>(s.text.size()));
        s.sel_length = 0;
    }

    Behavior& e_;
    const edit::EditEnvironment& env_;
    Last last_;
};

}  // namespace zerkon::fuzz
