// The CSV of bank files: any bytes, in each format, give a file that reads
// back by RFC 4180 into the header and one row per item the preview counts,
// every row as wide as the header, and no cell that a spreadsheet would run
// as a formula or round: amounts are numbers, other cells that start like a
// formula or hold more than 15 digits are formulas giving their text.

#include <cctype>
#include <string>
#include <vector>

#include "bank/bank_csv.h"
#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

namespace {

using Row = std::vector<std::string>;

// RFC 4180 with CR LF after every row.
std::vector<Row> ReadCsv(std::string_view text, char separator) {
    std::vector<Row> rows(1);
    std::string cell;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"' && cell.empty()) {
            for (++i;; ++i) {
                Check(i < text.size(), "a quoted cell is closed", text);
                if (text[i] == '"' && (i + 1 == text.size() || text[i + 1] != '"')) break;
                if (text[i] == '"') ++i;
                cell += text[i];
            }
            ++i;
            Check(i < text.size() && (text[i] == separator || text[i] == '\r'),
                  "a quoted cell ends at the separator or the row's end", text.substr(i));
            continue;
        }
        if (text[i] == separator || text[i] == '\r') {
            rows.back().push_back(cell);
            cell.clear();
            if (text[i] == '\r') {
                Check(text.substr(i, 2) == "\r\n", "rows end with CR LF", text.substr(i));
                ++i;
                if (i + 1 < text.size()) rows.emplace_back();
            }
            ++i;
            continue;
        }
        Check(text[i] != '"' && text[i] != '\n', "a cell with a quote or line break is quoted",
              text.substr(i));
        cell += text[i++];
    }
    Check(cell.empty() && text.ends_with("\r\n"), "the file ends with a whole row", cell);
    return rows;
}

bool IsAmount(std::string_view cell, char decimal) {
    if (cell.starts_with('-')) cell.remove_prefix(1);
    const std::size_t point = cell.find(decimal);
    if (point == std::string_view::npos || point == 0 || cell.size() != point + 3) return false;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (i != point && !std::isdigit(static_cast<unsigned char>(cell[i]))) return false;
    }
    return true;
}

// ="..." joined by &, with the text's quotes doubled.
bool IsTextFormula(std::string_view cell) {
    if (!cell.starts_with("=\"")) return false;
    for (std::size_t i = 1; i < cell.size();) {
        if (cell[i] != '"') return false;
        for (++i; i < cell.size() && !(cell[i] == '"' && cell.substr(i, 2) != "\"\"");) {
            i += cell[i] == '"' ? 2 : 1;
        }
        if (i == cell.size()) return false;
        if (++i < cell.size() && cell[i++] != '&') return false;
    }
    return true;
}

void CheckCell(std::string_view cell, bool amount, char decimal) {
    if (amount) {
        Check(IsAmount(cell, decimal), "an amount is a number with two decimals", cell);
        return;
    }
    std::size_t digits = 0;
    bool number_like = true;
    for (const char c : cell) {
        digits += std::isdigit(static_cast<unsigned char>(c)) ? 1 : 0;
        number_like &= std::isdigit(static_cast<unsigned char>(c)) || c == ' ' || c == '\xA0' ||
                       c == ',' || c == '.';
    }
    const bool formula_like =
        !cell.empty() && std::string_view("=+-@").find(cell[0]) != std::string_view::npos;
    Check(!(formula_like || (number_like && digits > 15)) || IsTextFormula(cell),
          "a cell a spreadsheet would change is a formula of its text", cell);
}

// What the preview counts: "Celkový počet řádků:  N".
long long PreviewItems(const std::string& preview) {
    const std::string label = "Celkový počet řádků:  "_cz;
    const std::size_t at = preview.rfind(label);
    Check(at != std::string::npos, "the preview counts its items");
    return std::stoll(preview.substr(at + label.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::uint8_t choice = in.Byte();
    const RegionalSettings regional =
        choice & 1 ? RegionalSettings::English() : RegionalSettings::Czech();
    const CsvEncoding encoding = choice & 2 ? CsvEncoding::kWindows1250 : CsvEncoding::kUtf8;
    const std::string_view bytes = in.Rest();
    const CsvSettings settings = CsvSettingsFor(regional, encoding);
    const BankSource source{bytes, "x", {2009, 3, 7}};

    for (const BankFormat format : {BankFormat::kKpc, BankFormat::kGpc, BankFormat::kGeminy}) {
        BankLines lines(bytes);
        OutputText out;
        const long long items = WriteBankCsv(format, lines, regional, encoding, out).value_or(-1);
        std::string text = out.Take();
        const std::string_view bom = "\xEF\xBB\xBF";
        Check(text.starts_with(bom) == (encoding == CsvEncoding::kUtf8),
              "a UTF-8 file starts with its byte-order mark", text);
        if (encoding == CsvEncoding::kUtf8) text.erase(0, bom.size());
        const std::vector<Row> rows = ReadCsv(text, settings.separator);

        OutputText preview;
        OutputText unwanted = OutputText::Unwanted();
        if (format == BankFormat::kKpc) DecodeKpc(source, regional, preview);
        if (format == BankFormat::kGpc) DecodeGpc(source, regional, preview, unwanted);
        if (format == BankFormat::kGeminy) DecodeGeminy(source, regional, preview);
        Check(static_cast<long long>(rows.size()) == items + 1 &&
                  items == PreviewItems(preview.Take()),
              "one row after the header for every item the preview counts");
        const std::size_t amount_column = format == BankFormat::kGpc ? 3 : 2;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            Check(rows[r].size() == rows[0].size(), "every row is as wide as the header");
            for (std::size_t c = 0; r > 0 && c < rows[r].size(); ++c) {
                CheckCell(rows[r][c], c == amount_column, settings.decimal_separator);
            }
        }
    }
    return 0;
}
