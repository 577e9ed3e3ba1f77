// KPC payment orders: any bytes give a preview that starts with the file's
// name and date and ends with a summary counting every payment item shown.

#include "bank/kpc_decoder.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = "C:\\Banka\\platby.kpc";
    const std::string stars(70, '*');
    for (const RegionalSettings& regional :
         {RegionalSettings::Czech(), RegionalSettings::English()}) {
        OutputText preview;
        DecodeKpc(BankSource{bytes, path, {2009, 3, 7}}, regional, preview);
        const std::vector<std::string> lines = fuzz::CheckPreview(preview.Take(), bytes);
        Check(lines.size() >= 7 && lines[0] == "Soubor:  " + path &&
                  lines[1] == "Ze dne:  7.3.2009" && lines[2].empty(),
              "the preview starts with the file's name and date", lines[0]);
        std::size_t items = 0;
        for (const std::string& line : lines) {
            items += fuzz::StartsWith(line, "Ve prospěch účtu:  "_cz) ? 1 : 0;
        }
        const std::size_t n = lines.size();
        Check(lines[n - 4] == stars &&
                  lines[n - 3] == "Celkový počet řádků:  "_cz + std::to_string(items) &&
                  fuzz::StartsWith(lines[n - 2], "Celková částka k proplacení:  "_cz) &&
                  lines[n - 1] == stars,
              "the summary counts every payment item shown", lines[n - 3]);
    }
    return 0;
}
