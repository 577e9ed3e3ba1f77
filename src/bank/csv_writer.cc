#include "bank/csv_writer.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

#include "bank/decoder_text.h"
#include "common/cp1250.h"

namespace zerkon {

namespace {

// Spreadsheets keep 15 significant digits of a number.
constexpr std::size_t kSpreadsheetDigits = 15;
// The longest text literal a spreadsheet formula takes.
constexpr std::size_t kFormulaLiteralMax = 255;
// A cell longer than this is looked at before it is written, not given room
// for the longest UTF-8 it could become.
constexpr std::size_t kLongCell = 64 * 1024;

// The helpers below run for every cell of every row: inlined, they cost a few
// instructions each.

[[gnu::always_inline]] inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

// Eight bytes at a time, in the order they lie in memory (the lowest byte
// first, as on every machine the program is built for).
static_assert(std::endian::native == std::endian::little);
constexpr std::uint64_t kLowBits = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

[[gnu::always_inline]] inline std::uint64_t Load8(const char* at) {
    std::uint64_t eight;
    std::memcpy(&eight, at, 8);
    return eight;
}

// Every byte is '0' to '9': a high half of 3, and 3 still after adding 6.
[[gnu::always_inline]] inline bool AllDigits8(std::uint64_t eight) {
    constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0;
    constexpr std::uint64_t kThrees = 0x3030303030303030;
    return (eight & kHighHalves) == kThrees &&
           ((eight + 0x0606060606060606) & kHighHalves) == kThrees;
}

[[gnu::always_inline]] inline bool HasByte(std::uint64_t eight, char c) {
    const std::uint64_t x = eight ^ (kLowBits * static_cast<unsigned char>(c));
    return ((x - kLowBits) & ~x & kHighBits) != 0;
}

[[gnu::always_inline]] inline bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (; text.size() >= 8; text.remove_prefix(8)) {
        if (!AllDigits8(Load8(text.data()))) return false;
    }
    for (const char c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

// A NUL byte leaves the output as a space (OutputText), so it is a blank too.
[[gnu::always_inline]] inline bool IsBlank(char c) {
    return c == ' ' || c == '\xA0' || c == '\0';
}

// Plain loops: the fields are short, and std::string_view's searches for a
// set of characters look each one up anew.
[[gnu::always_inline]] inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

[[gnu::always_inline]] inline std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

[[gnu::always_inline]] inline std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() >= 8) {
        // The bytes that are not '0' are not zero here; the first of them in
        // memory is the lowest.
        const std::uint64_t others = Load8(digits.data()) ^ (kLowBits * '0');
        if (others != 0) {
            return digits.substr(static_cast<std::size_t>(__builtin_ctzll(others) / 8));
        }
        digits.remove_prefix(8);
    }
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

[[gnu::always_inline]] inline char* CopyTo(char* to, std::string_view text) {
    CopyBytes(to, text.data(), text.size());
    return to + text.size();
}

int DaysInMonth(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

int TwoDigits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

CsvWriter::CsvWriter(OutputText& out, const CsvSettings& settings)
    : out_(out), settings_(settings) {
    for (int c = 0; c < 256; ++c) {
        const char byte = static_cast<char>(c);
        unsigned char kind = c >= 0x80 ? kHigh : 0;
        if (IsDigit(byte)) {
            kind |= kDigit;
        } else if (!IsBlank(byte) && byte != ',' && byte != '.') {
            kind |= kNotNumber;
        }
        if (byte == settings_.separator || byte == '"' || byte == '\r' || byte == '\n') {
            kind |= kQuoted;
        }
        kinds_[static_cast<std::size_t>(c)] = kind;
        const std::string_view utf8 = Cp1250ByteAsUtf8(static_cast<unsigned char>(c));
        std::copy(utf8.begin(), utf8.end(), utf8_[c]);
        utf8_[c][3] = static_cast<char>(utf8.size());
    }
    plain_accounts_ = settings_.separator != '-' && settings_.separator != '/';
    plain_dates_ = settings_.separator != '.';
}

CsvSettings CsvSettingsFor(const RegionalSettings& regional, CsvEncoding encoding) {
    CsvSettings settings;
    settings.encoding = encoding;
    const char decimal = regional.decimal_separator;
    settings.decimal_separator = IsPunctuation(decimal) && decimal != '"' ? decimal : ',';
    const char list = regional.list_separator;
    const bool usable =
        (list == '\t' || IsPunctuation(list)) && list != '"' && list != settings.decimal_separator;
    settings.separator = usable ? list : settings.decimal_separator == ',' ? ';' : ',';
    return settings;
}

void CsvWriter::Start() {
    if (settings_.encoding == CsvEncoding::kUtf8) out_.Append("\xEF\xBB\xBF");
}

void CsvWriter::Text(std::string_view text) {
    Cell(TrimRight(text));
}

// One pass over the field: blanks, zeros, digits, blanks.
void CsvWriter::Symbol(std::string_view field) {
    const char* at = field.data();
    const char* const end = at + field.size();
    while (at != end && IsBlank(*at)) ++at;
    at = WithoutLeadingZeros(std::string_view(at, static_cast<std::size_t>(end - at))).data();
    const char* const digits = at;
    while (at != end && IsDigit(*at)) ++at;
    const std::size_t count = static_cast<std::size_t>(at - digits);
    while (at != end && IsBlank(*at)) ++at;
    if (at != end) {
        Cell(TrimBlanks(field));  // not a number: as the file has it
    } else if (count <= kSpreadsheetDigits) {
        Plain(std::string_view(digits, count));
    } else {
        Cell(std::string_view(digits, count));
    }
}

void CsvWriter::Account(std::string_view account, std::string_view bank_code) {
    const std::string_view field = TrimBlanks(account);
    const std::string_view code = TrimBlanks(bank_code);
    // Digits, or digits - digits.
    std::size_t dash = std::string_view::npos;
    bool number_like = AllDigits(field);
    if (!number_like) {
        dash = field.find('-');
        number_like = dash != std::string_view::npos && AllDigits(field.substr(0, dash)) &&
                      AllDigits(field.substr(dash + 1));
    }
    if (!number_like) {
        scratch_.assign(field);  // not an account number: as the file has it
        if (!code.empty()) {
            scratch_ += '/';
            scratch_ += code;
        }
        Cell(scratch_);
        return;
    }
    const std::size_t split = dash != std::string_view::npos ? dash
                              : field.size() > 10            ? field.size() - 10
                                                             : 0;
    const std::string_view prefix = WithoutLeadingZeros(field.substr(0, split));
    std::string_view number =
        WithoutLeadingZeros(field.substr(dash != std::string_view::npos ? dash + 1 : split));
    if (prefix.empty() && number.empty() && WithoutLeadingZeros(code).empty()) {
        Cell({});  // no account, as a cash payment has
        return;
    }
    if (number.empty()) number = "0";
    // Digits with a dash or a slash, or a few digits alone, need nothing more
    // when the bank code is digits too: written at once.
    const bool bare = prefix.empty() && code.empty();
    if ((code.empty() || AllDigits(code)) && plain_accounts_ &&
        !(bare && number.size() > kSpreadsheetDigits)) {
        char* const start = out_.Room(prefix.size() + number.size() + code.size() + 3);
        char* to = start;
        if (row_started_) *to++ = settings_.separator;
        row_started_ = true;
        if (!prefix.empty()) {
            to = CopyTo(to, prefix);
            *to++ = '-';
        }
        to = CopyTo(to, number);
        if (!code.empty()) {
            *to++ = '/';
            to = CopyTo(to, code);
        }
        out_.Wrote(static_cast<std::size_t>(to - start));
        return;
    }
    scratch_.clear();
    if (!prefix.empty()) {
        scratch_ += prefix;
        scratch_ += '-';
    }
    scratch_ += number;
    if (!code.empty()) {
        scratch_ += '/';
        scratch_ += code;
    }
    Cell(scratch_);
}

void CsvWriter::Date(std::string_view field, DateOrder order) {
    const std::string_view date = TrimBlanks(field);
    if (WithoutLeadingZeros(date).empty()) {
        Cell({});
        return;
    }
    if (date.size() == 6 && AllDigits(date)) {
        const bool day_first = order == DateOrder::kDayMonthYear;
        const int day = TwoDigits(date, day_first ? 0 : 4);
        const int month = TwoDigits(date, 2);
        const int short_year = TwoDigits(date, day_first ? 4 : 0);
        const int year = short_year < 50 ? 2000 + short_year : 1900 + short_year;
        if (month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year)) {
            const char text[10] = {static_cast<char>('0' + day / 10),
                                   static_cast<char>('0' + day % 10),
                                   '.',
                                   static_cast<char>('0' + month / 10),
                                   static_cast<char>('0' + month % 10),
                                   '.',
                                   static_cast<char>('0' + year / 1000),
                                   static_cast<char>('0' + year / 100 % 10),
                                   static_cast<char>('0' + year / 10 % 10),
                                   static_cast<char>('0' + year % 10)};
            const std::string_view dotted(text, sizeof text);
            if (plain_dates_) {
                Plain(dotted);
            } else {
                Cell(dotted);
            }
            return;
        }
    }
    Cell(date);
}

void CsvWriter::Amount(zerkon::Amount value) {
    // In unsigned arithmetic, so that the lowest value has a magnitude too.
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const std::uint64_t halere = (magnitude + kAmountUnit / 200) / (kAmountUnit / 100);
    char text[32];
    char* end = text;
    if (negative && halere != 0) *end++ = '-';
    end = std::to_chars(end, text + 24, halere / 100).ptr;
    *end++ = settings_.decimal_separator;
    *end++ = static_cast<char>('0' + halere % 100 / 10);
    *end++ = static_cast<char>('0' + halere % 10);
    Separate();
    out_.Append(std::string_view(text, static_cast<std::size_t>(end - text)));
}

void CsvWriter::HalereAmount(std::string_view field, bool negate,
                             const RegionalSettings& regional) {
    // Digits alone (as files have them) are written as they are, the
    // decimal separator before the last two.
    std::string_view digits = field;
    while (digits.size() > 3 && digits.front() == '0') digits.remove_prefix(1);
    if (!AllDigits(field) || digits.size() < 3 || digits.size() > kSpreadsheetDigits) {
        const zerkon::Amount value = bank_text::HalereField(field, regional);
        Amount(!negate ? value
               : value == std::numeric_limits<zerkon::Amount>::min()
                   ? std::numeric_limits<zerkon::Amount>::max()
                   : -value);
        return;
    }
    const bool zero = digits == "000";
    char* const start = out_.Room(digits.size() + 3);
    char* to = start;
    if (row_started_) *to++ = settings_.separator;
    row_started_ = true;
    if (negate && !zero) *to++ = '-';
    CopyBytes(to, digits.data(), digits.size() - 2);
    to += digits.size() - 2;
    *to++ = settings_.decimal_separator;
    to[0] = digits[digits.size() - 2];
    to[1] = digits[digits.size() - 1];
    out_.Wrote(static_cast<std::size_t>(to + 2 - start));
}

void CsvWriter::EndRow() {
    out_.Append("\r\n");
    row_started_ = false;
    out_.EndRecord();
}

std::string CsvWriter::Render(const std::function<void(CsvWriter&)>& write) const {
    OutputText out;
    CsvWriter writer(out, settings_);
    write(writer);
    return out.Take();
}

void CsvWriter::Rendered(std::string_view cells) {
    Plain(cells);
}

void CsvWriter::Plain(std::string_view text) {
    char* const start = out_.Room(text.size() + 1);
    char* to = start;
    if (row_started_) *to++ = settings_.separator;
    row_started_ = true;
    CopyBytes(to, text.data(), text.size());
    out_.Wrote(static_cast<std::size_t>(to + text.size() - start));
}

void CsvWriter::Separate() {
    if (row_started_) out_.Append(settings_.separator);
    row_started_ = true;
}

void CsvWriter::Cell(std::string_view text) {
    if (PutSimple(text)) return;
    Separate();
    // A formula, or a number of more digits than a spreadsheet holds.
    const char first = text[0];
    if (first == '=' || first == '+' || first == '-' || first == '@' || LooksLikeLongNumber(text)) {
        PutFormula(text);
        return;
    }
    out_.Append('"');
    Put(text, true);
    out_.Append('"');
}

// One look at each byte, written as it goes: most cells need nothing more.
// Eight bytes of plain ASCII at a time go out as they are.
bool CsvWriter::PutSimple(std::string_view text) {
    if (text.empty()) {
        Separate();
        return true;
    }
    const char first = text[0];
    if (first == '=' || first == '+' || first == '-' || first == '@') return false;
    // Only a cell longer than a spreadsheet's digits can hold too many.
    if (text.size() > kSpreadsheetDigits && LooksLikeLongNumber(text)) return false;
    if (text.size() > kLongCell) {
        for (const char c : text) {
            if (kinds_[static_cast<unsigned char>(c)] & kQuoted) return false;
        }
        Separate();
        Put(text, false);
        return true;
    }
    const bool utf8 = settings_.encoding == CsvEncoding::kUtf8;
    char* const start = out_.Room(1 + 3 * text.size() + 3);
    // Written through a pointer that the tables are not read through.
    char* __restrict to = start;
    if (row_started_) *to++ = settings_.separator;
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from != end) {
        if (end - from >= 8) {
            const std::uint64_t eight = Load8(from);
            if ((eight & kHighBits) == 0 && !HasByte(eight, '"') &&
                !HasByte(eight, settings_.separator) && !HasByte(eight, '\r') &&
                !HasByte(eight, '\n')) {
                std::memcpy(to, &eight, 8);
                to += 8;
                from += 8;
                continue;
            }
        }
        const unsigned char byte = static_cast<unsigned char>(*from++);
        const unsigned kind = kinds_[byte];
        if (kind & kQuoted) return false;  // nothing committed
        if (utf8 && (kind & kHigh)) {
            // Three bytes copied, as many counted as the character has.
            to[0] = utf8_[byte][0];
            to[1] = utf8_[byte][1];
            to[2] = utf8_[byte][2];
            to += utf8_[byte][3];
        } else {
            *to++ = static_cast<char>(byte);
        }
    }
    row_started_ = true;
    out_.Wrote(static_cast<std::size_t>(to - start));
    return true;
}

bool CsvWriter::LooksLikeLongNumber(std::string_view text) const {
    std::size_t digits = 0;
    for (const char c : text) {
        const unsigned kind = kinds_[static_cast<unsigned char>(c)];
        if (kind & kNotNumber) return false;
        digits += kind & kDigit;
    }
    return digits > kSpreadsheetDigits;
}

// ="..." in a quoted cell: the quotes of the formula doubled for the cell,
// those of the text twice over. A long text is joined from pieces that a
// formula takes: ="..."&"...".
void CsvWriter::PutFormula(std::string_view text) {
    out_.Append("\"=");
    for (std::size_t at = 0; at < text.size(); at += kFormulaLiteralMax) {
        if (at > 0) out_.Append('&');
        out_.Append("\"\"");
        const std::string_view piece = text.substr(at, kFormulaLiteralMax);
        std::size_t from = 0;
        for (std::size_t quote; (quote = piece.find('"', from)) != std::string_view::npos;) {
            Put(piece.substr(from, quote - from), false);
            out_.Append("\"\"\"\"");
            from = quote + 1;
        }
        Put(piece.substr(from), false);
        out_.Append("\"\"");
    }
    out_.Append('"');
}

void CsvWriter::Put(std::string_view text, bool in_quotes) {
    const bool utf8 = settings_.encoding == CsvEncoding::kUtf8;
    std::size_t run = 0;  // the start of bytes that go out as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool high = static_cast<unsigned char>(c) >= 0x80;
        if (!(utf8 && high) && !(in_quotes && c == '"')) continue;
        out_.Append(text.substr(run, i - run));
        out_.Append(high ? Cp1250ByteAsUtf8(static_cast<unsigned char>(c))
                         : std::string_view("\"\""));
        run = i + 1;
    }
    out_.Append(text.substr(run));
}

}  // namespace zerkon
