// GPC statements: any bytes give a preview and print records whose counts
// agree, one record per item and the head record last.

#include "bank/gpc_decoder.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

namespace {

// The number after `tag` at the start of a line of `record`, or -1.
long TagNumber(std::string_view record, std::string_view tag) {
    const std::size_t p = record.find("\r\n" + std::string(tag));
    if (p == std::string_view::npos) return -1;
    return std::strtol(std::string(record.substr(p + 2 + tag.size())).c_str(), nullptr, 10);
}

// Every line of a record is a tag line: "[Table]<...>" or "<tag>value".
void CheckRecord(std::string_view record) {
    Check(!fuzz::HasLoneLineBreak(record) && record.ends_with("\r\n"),
          "a print record is made of whole lines", record);
    for (std::size_t start = 0; start < record.size();) {
        const std::size_t end = record.find("\r\n", start);
        const std::string_view line = record.substr(start, end - start);
        Check(fuzz::StartsWith(line, "<") || fuzz::StartsWith(line, "[Table]<"),
              "every line of a print record starts with its tag", line);
        start = end + 2;
    }
}

// The records of the print data: each ends with CR LF and is followed by one
// more, and none holds an empty line.
std::vector<std::string> Records(std::string_view text) {
    std::vector<std::string> records;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n\r\n", start);
        Check(end != std::string_view::npos, "every print record ends with an empty line",
              text.substr(start));
        records.emplace_back(text.substr(start, end + 2 - start));
        start = end + 4;
    }
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = "C:\\Banka\\vypis.gpc";
    for (const RegionalSettings& regional :
         {RegionalSettings::Czech(), RegionalSettings::English()}) {
        OutputText preview;
        OutputText records;
        DecodeGpc(BankSource{bytes, path, {2009, 3, 7}}, regional, preview, records);
        const std::vector<std::string> lines = fuzz::CheckPreview(preview.Take(), bytes);
        const std::size_t n = lines.size();
        Check(n >= 7 && lines[0] == "Soubor:  " + path && lines[1] == std::string(70, '*'),
              "the preview starts with the file's name", lines[0]);
        const std::string record_text = records.Take();
        const std::vector<std::string> job = Records(record_text);
        Check(!job.empty(), "the print data ends with the head record", record_text);
        long items = 0;
        for (std::size_t i = 0; i < job.size(); ++i) {
            CheckRecord(job[i]);
            if (i + 1 < job.size()) {
                Check(fuzz::StartsWith(job[i],
                                       "[Table]<zerkon>\r\n<ID>" + std::to_string(i + 1) + "\r\n"),
                      "item records come first, numbered from 1", job[i]);
                ++items;
            }
        }
        const std::string& head = job.back();
        const long credits = TagNumber("\r\n" + head, "<PocetKredit>");
        const long debits = TagNumber("\r\n" + head, "<PocetDebet>");
        Check(TagNumber("\r\n" + head, "<Pocet>") == items && credits >= 0 && debits >= 0 &&
                  credits + debits <= items,
              "the head record counts the item records", head);
        const std::string stars(40, '*');
        Check(lines[n - 5] == stars &&
                  lines[n - 4] == "Celkový počet kredit: "_cz + std::to_string(credits) &&
                  lines[n - 3] == "Celkový počet debet:  "_cz + std::to_string(debits) &&
                  lines[n - 2] == "Celkový počet řádků:  "_cz + std::to_string(items) &&
                  lines[n - 1] == stars,
              "the preview's summary and the print data agree", lines[n - 2]);
        Check(record_text.size() <= 2 * fuzz::OutputLimit(bytes),
              "the print data grows with the file only");
    }
    return 0;
}
