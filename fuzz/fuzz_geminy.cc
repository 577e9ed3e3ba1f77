// Geminy payment orders: any bytes give a preview with one order per
// non-empty line, the header from line 1 when there is one, and a summary that
// counts the orders shown.

#include "bank/geminy_decoder.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

namespace {

// Lines end at CR LF, CR or LF; a final break starts no further line.
void CountLines(std::string_view bytes, std::size_t& lines, std::size_t& filled) {
    lines = filled = 0;
    std::size_t length = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            ++lines;
            filled += length > 0 ? 1 : 0;
            length = 0;
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            ++length;
        }
    }
    if (length > 0) ++lines, ++filled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = "C:\\Banka\\prikazy.gem";
    const std::string stars(70, '*');
    std::size_t lines = 0;
    std::size_t orders = 0;
    CountLines(bytes, lines, orders);
    for (const RegionalSettings& regional :
         {RegionalSettings::Czech(), RegionalSettings::English()}) {
        OutputText preview;
        DecodeGeminy(BankSource{bytes, path, {2009, 3, 7}}, regional, preview);
        const std::vector<std::string> shown = fuzz::CheckPreview(preview.Take(), bytes);
        const std::size_t n = shown.size();
        Check(n >= 9 && shown[0] == "Soubor:  " + path && shown[1] == "Ze dne:  7.3.2009" &&
                  shown[2] == stars && shown[3].empty(),
              "the preview starts with the file's name and date");
        std::size_t order_lines = 0;
        for (const std::string& line : shown) {
            order_lines += fuzz::StartsWith(line, "Ve prospěch účtu:  "_cz) ? 1 : 0;
        }
        Check(order_lines == orders, "every non-empty line is one order",
              std::to_string(order_lines));
        Check(fuzz::StartsWith(shown[4], "Druh platebního styku:  "_cz) == (lines > 0),
              "the header is shown when the file has a line");
        Check(shown[n - 5].empty() && shown[n - 4] == stars &&
                  shown[n - 3] == "Celkový počet řádků:  "_cz + std::to_string(orders) &&
                  fuzz::StartsWith(shown[n - 2], "Celková částka k proplacení:  "_cz) &&
                  shown[n - 1] == stars,
              "the summary counts the orders", shown[n - 3]);
    }
    return 0;
}
