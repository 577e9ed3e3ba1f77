// The CSV of bank files: any bytes, in each format, give a file that reads back by RFC 4180 into
// the header and one row per item the preview counts, every row as wide as the header, and no
// cell that a spreadsheet would run as a formula or round: amounts are numbers, other cells that
// start like a formula or hold more than 15 digits are formulas giving their text.

#include <algorithm>
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
    Check(text.ends_with("\r\n"), "the file ends with a whole row", text);
    std::vector<Row> rows(1);
    for (std::size_t i = 0; i < text.size();) {
        std::string cell;
        if (text[i] == '"') {
            for (++i; i + 1 < text.size() && (text[i] != '"' || text[i + 1] == '"');) {
                cell += text[i];
                i += text[i] == '"' ? 2 : 1;
            }
            Check(text[i++] == '"', "a quoted cell is closed", text);
        } else {
            const std::size_t end = text.find_first_of(std::string{separator, '\r'}, i);
            cell = text.substr(i, end - i);
            Check(cell.find_first_of("\"\n") == std::string::npos,
                  "a cell with a quote or line break is quoted", cell);
            i = end;
        }
        rows.back().push_back(cell);
        Check(text[i] == separator || text.substr(i, 2) == "\r\n",
              "a cell ends at the separator or with CR LF", text.substr(i));
        const bool row_end = text[i] != separator;
        i += row_end ? 2 : 1;
        if (row_end && i < text.size()) rows.emplace_back();
    }
    return rows;
}

bool IsDigit(unsigned char c) {
    return std::isdigit(c) != 0;
}
bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, IsDigit);
}

// ="..." joined by &, with the text's quotes doubled.
bool IsTextFormula(std::string_view cell) {
    std::size_t i = 0;
    for (char joint = '='; i < cell.size() && cell[i] == joint; joint = '&') {
        if (++i == cell.size() || cell[i] != '"') return false;
        for (++i; i < cell.size() && (cell[i] != '"' || cell.substr(i, 2) == "\"\"");) {
            i += cell[i] == '"' ? 2 : 1;
        }
        if (i++ == cell.size()) return false;
    }
    return i > 0 && i == cell.size();
}

void CheckCell(std::string_view cell, bool amount, char decimal) {
    if (amount) {
        if (cell.starts_with('-')) cell.remove_prefix(1);
        const std::size_t point = cell.size() - 3;
        Check(cell.size() > 3 && cell[point] == decimal && AllDigits(cell.substr(0, point)) &&
                  AllDigits(cell.substr(point + 1)),
              "an amount is a number with two decimals", cell);
        return;
    }
    const bool long_number = cell.find_first_not_of("0123456789 \xA0,.") == std::string::npos &&
                             std::ranges::count_if(cell, IsDigit) > 15;
    Check(!(cell.find_first_of("=+-@") == 0 || long_number) || IsTextFormula(cell),
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
        OutputText out, preview, unwanted = OutputText::Unwanted();
        const long long items = WriteBankCsv(format, lines, regional, encoding, out).value_or(-1);
        std::string text = out.Take();
        const std::string_view bom = "\xEF\xBB\xBF";
        Check(text.starts_with(bom) == (encoding == CsvEncoding::kUtf8),
              "a UTF-8 file starts with its byte-order mark", text);
        if (encoding == CsvEncoding::kUtf8) text.erase(0, bom.size());
        const std::vector<Row> rows = ReadCsv(text, settings.separator);

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
