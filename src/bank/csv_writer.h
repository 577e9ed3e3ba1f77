#pragma once
// Rows of a CSV file for spreadsheets, cell by cell (RFC 4180): a cell that
// holds the separator, a double quote or a line break is quoted, with its
// quotes doubled; rows end with CR LF. Text comes in as Windows-1250 and goes
// out in the chosen encoding, UTF-8 with a byte-order mark so that a
// spreadsheet shows the Czech letters, or Windows-1250 as it is.
//
// A spreadsheet reads a cell as a number where it can, so the cells keep to
// what it reads back unchanged: amounts with two decimals, the decimal
// separator of the user's settings and no grouping; accounts in the notation
// [prefix-]number/bank code; symbols without their leading zeros; dates
// dd.mm.yyyy. A text that it would take for a formula (starting with = + - @)
// or round (a number of more than 15 digits) is written as a formula that
// gives the text itself: ="...".

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "bank/output_text.h"
#include "common/number_helpers.h"
#include "common/regional.h"

namespace zerkon {

enum class CsvEncoding { kUtf8, kWindows1250 };

struct CsvSettings {
    char separator = ';';
    char decimal_separator = ',';
    CsvEncoding encoding = CsvEncoding::kUtf8;
};

// The list and decimal separators of the user's settings; a list separator
// that would clash (the decimal separator, a quote, a letter) gives way to
// ";" after a decimal comma and "," otherwise.
CsvSettings CsvSettingsFor(const RegionalSettings& regional, CsvEncoding encoding);

// The order of the two-digit fields of a compact date.
enum class DateOrder { kDayMonthYear, kYearMonthDay };

class CsvWriter {
  public:
    CsvWriter(OutputText& out, const CsvSettings& settings);

    // Before the first row: the byte-order mark of UTF-8.
    void Start();

    // Text as the file has it, without trailing spaces.
    void Text(std::string_view text);
    // A symbol or a number of the file: without blanks around it and, when it
    // is all digits, without leading zeros (all zeros: an empty cell).
    void Symbol(std::string_view field);
    // [prefix-]number/bank code without leading zeros in prefix and number;
    // a 16-digit field is a 6-digit prefix and a 10-digit number. A field of
    // other characters is written as it is, before "/" and the bank code. No
    // account at all (zeros and an empty or zero bank code): an empty cell.
    void Account(std::string_view account, std::string_view bank_code);
    // Six digits of a real day as dd.mm.yyyy (years 00-49 are 2000-2049);
    // blanks or zeros: an empty cell; anything else as the file has it.
    void Date(std::string_view field, DateOrder order);
    // Two decimals, rounded half away from zero; "-" before it when it is
    // below zero.
    void Amount(zerkon::Amount value);

    // Cells written once and repeated in many rows: rendered by a writer of
    // the same settings, then written again as they are.
    std::string Render(const std::function<void(CsvWriter&)>& write) const;
    void Rendered(std::string_view cells);

    // An amount field of whole halere, below zero when `negate`: its value
    // as the previews read it (HalereField), written from its digits.
    void HalereAmount(std::string_view field, bool negate, const RegionalSettings& regional);

    // CR LF; a streamed output hands on its block between rows.
    void EndRow();

  private:
    // What a byte asks of a cell.
    static constexpr unsigned char kDigit = 1;
    static constexpr unsigned char kNotNumber = 2;  // neither a digit nor a blank or separator
    static constexpr unsigned char kQuoted = 4;     // the separator, a quote, a line break
    static constexpr unsigned char kHigh = 8;       // not ASCII

    void Cell(std::string_view text);
    // A cell that needs neither quotes nor a formula, written while it is
    // looked at; false, with nothing written, for one that does.
    bool PutSimple(std::string_view text);
    // Digits, blanks and separators only, with more digits than a
    // spreadsheet holds.
    bool LooksLikeLongNumber(std::string_view text) const;
    // A text made here that no spreadsheet misreads and that needs no quotes.
    void Plain(std::string_view text);
    void Separate();
    // The text in the chosen encoding, quotes doubled when `in_quotes`.
    void Put(std::string_view text, bool in_quotes);
    void PutFormula(std::string_view text);

    OutputText& out_;
    CsvSettings settings_;
    unsigned char kinds_[256];
    char utf8_[256][4];           // each byte's UTF-8, its length last
    bool plain_accounts_ = true;  // the separator is neither '-' nor '/'
    bool plain_dates_ = true;     // nor '.'

    bool row_started_ = false;
    std::string scratch_;  // an account's text, kept for its capacity
};

}  // namespace zerkon
