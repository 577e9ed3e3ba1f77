// Lookups in sectioned data files ("section NUL key NUL file"): the section
// copy and the keyed lookups agree on what the first section of the name
// holds, and only a key that is no number stops the numbered lookup.

#include <cstdlib>

#include "common/cp1250.h"
#include "common/text_helpers.h"
#include "files/data_file_lookup.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::string section(in.Field());
    const std::string key(in.Field());
    const std::string path = fuzz::WriteScratch("data.src", in.Rest());
    const int number = static_cast<int>(std::strtol(key.c_str(), nullptr, 10));

    std::vector<std::string> lines{"before"};
    std::string remainder = "before";
    const bool found = ReadIniSection(fuzz::Disk(), section, path, lines, remainder);
    Check(lines.front() == "before" && found == (lines.size() > 1) &&
              (found || remainder == "before"),
          "the section's lines are appended, and only when there are some");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        Check(!lines[i].empty() && !fuzz::HasLineBreak(lines[i]) && lines[i].front() != '[',
              "a section line is one non-empty line of the section", lines[i]);
    }

    const Result<std::string> keyed = FindKeyedLine(fuzz::Disk(), section, key, path);
    Check(keyed.ok(), "a file that exists is read");
    const std::string value = keyed.value_or("");
    std::string expected;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string rest = lines[i];
        if (UpperCase1250(ExtractDelimited(rest, '{', '}', false)) == UpperCase1250(key)) {
            expected = rest;
            break;
        }
    }
    Check(value == expected, "the keyed lookup finds the first line of the section with that key",
          value);

    const Result<std::string> found_numbered =
        FindNumberedLine(fuzz::Disk(), section, number, path);
    const Status& failure = found_numbered.status();
    if (failure.code() == StatusCode::kNotValid) {
        Check(found, "only a key in the section can stop the numbered lookup", failure.message());
    } else if (!found_numbered.ok()) {
        Check(failure.message().find("[" + UpperCase1250(section) + "]") != std::string::npos,
              "the not-found message names the section in capitals", failure.message());
    } else {
        const std::string& numbered = *found_numbered;
        if (!numbered.empty()) {
            bool in_section = false;
            for (std::size_t i = 1; i < lines.size(); ++i) {
                std::string rest = lines[i];
                ExtractDelimited(rest, '{', '}', false);
                in_section |= rest == numbered;
            }
            Check(in_section, "the numbered lookup's value is a line of the section", numbered);
        }
    }
    return 0;
}
