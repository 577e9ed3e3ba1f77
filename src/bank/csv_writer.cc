#include "bank/csv_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "common/cp1250.h"

namespace zerkon {

namespace {

// Spreadsheets keep 15 significant digits of a number.
constexpr std::size_t kSpreadsheetDigits = 15;
// The longest text literal a spreadsheet formula takes.
constexpr std::size_t kFormulaLiteralMax = 255;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (!IsDigit(c)) return false;
    }
    return !text.empty();
}

// A NUL byte leaves the output as a space (OutputText), so it is a blank too.
bool IsBlank(char c) {
    return c == ' ' || c == '\xA0' || c == '\0';
}

// Plain loops: the fields are short, and the searches of std::string_view
// for a set of characters look each one up anew.
std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
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
    while (at != end && *at == '0') ++at;
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
    bool number_like = !field.empty();
    for (std::size_t i = 0; i < field.size() && number_like; ++i) {
        if (field[i] == '-' && dash == std::string_view::npos && i > 0 && i + 1 < field.size()) {
            dash = i;
        } else if (!IsDigit(field[i])) {
            number_like = false;
        }
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
    // Digits with a dash or a slash, or a few digits alone, need nothing more
    // when the bank code is digits too.
    const bool bare = prefix.empty() && code.empty();
    if ((code.empty() || AllDigits(code)) && plain_accounts_ &&
        !(bare && number.size() > kSpreadsheetDigits)) {
        Plain(scratch_);
    } else {
        Cell(scratch_);
    }
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
    Separate();
    out_.Append(text);
}

void CsvWriter::Separate() {
    if (row_started_) out_.Append(settings_.separator);
    row_started_ = true;
}

// One look at each byte tells what the cell needs: most need nothing but
// their bytes.
void CsvWriter::Cell(std::string_view text) {
    Separate();
    if (text.empty()) return;
    unsigned kinds = 0;
    std::size_t digits = 0;
    for (const char c : text) {
        const unsigned kind = kinds_[static_cast<unsigned char>(c)];
        kinds |= kind;
        digits += kind & kDigit;
    }
    // A formula, or a number of more digits than a spreadsheet holds.
    const char first = text[0];
    if (first == '=' || first == '+' || first == '-' || first == '@' ||
        (digits > kSpreadsheetDigits && (kinds & kNotNumber) == 0)) {
        PutFormula(text);
        return;
    }
    const bool quoted = (kinds & kQuoted) != 0;
    if (!quoted && ((kinds & kHigh) == 0 || settings_.encoding != CsvEncoding::kUtf8)) {
        out_.Append(text);
        return;
    }
    if (quoted) out_.Append('"');
    Put(text, quoted);
    if (quoted) out_.Append('"');
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
