#pragma once
// Shared pieces of the ELDP tests: scratch folders and the files of the demo payroll
// installation.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "../common/fake_file_system.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "eldp/eldp_form_layout.h"
#include "eldp/eldp_record.h"

namespace zerkon::testing {

inline std::filesystem::path TestData() {
    return std::filesystem::path(ZERKON_TEST_DATA);
}
inline std::filesystem::path EldpData(const std::string& name) {
    return TestData() / "eldp" / name;
}
// The demo payroll installation's template folder.
inline std::filesystem::path DemoSourceRal() {
    return TestData() / ".." / ".." / "demo" / "RAL" / "SOURCERAL";
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder below the system's temporary folder, removed at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("zerkon-eldp-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    // The folder as program text with a trailing separator.
    std::string text() const { return TextFromPath(path_) + "/"; }

  private:
    std::filesystem::path path_;
};

// A payroll installation in a scratch folder: payroll_base/SOURCERAL holds
// copies of the demo files.
class PayrollInstallation {
  public:
    PayrollInstallation() {
        std::filesystem::create_directories(source());
        for (const auto& entry : std::filesystem::directory_iterator(DemoSourceRal())) {
            std::filesystem::copy_file(entry.path(), source() / entry.path().filename());
        }
    }
    std::filesystem::path base() const { return scratch_.path(); }
    std::filesystem::path source() const { return scratch_.path() / "SOURCERAL"; }
    std::filesystem::path xml_file() const { return base() / "xml-manualne" / "eldp09.xml"; }
    // The registered install path (no trailing separator).
    std::string base_text() const { return TextFromPath(base()); }

  private:
    ScratchFolder scratch_;
};

// The named field's place in the tab order; the number of fields when there is none.
inline std::size_t FieldIndex(std::string_view name) {
    const std::vector<EldpField>& fields = EldpFormFields();
    return std::ranges::find(fields, name, &EldpField::name) - fields.begin();
}

// A whole-year sheet that passes every check before filing.
inline EldpRecord FilingReadyRecord() {
    EldpRecord record;
    record.year = "2009";
    record.office_code = "105";
    record.office_name = "OSSZ Praha 5";
    record.surname = "Nováková"_cz;
    record.first_name = "Jana";
    record.birth_date = "05.03.1975";
    record.birth_number = "7553051231";
    record.municipality = "Praha 5";
    record.postcode = "15000";
    EldpRow& row = record.rows[0];
    row.code = "1";
    row.from = "01.01.";
    row.to = "31.12.";
    row.days = "365";
    row.base = "250000";
    record.total_base = "250000";
    record.employer_name = "Stavby s.r.o.";
    record.employer_id = "12345679";
    record.variable_symbol = "1234567890";
    record.made_out = "15.01.2010";
    return record;
}

}  // namespace zerkon::testing
