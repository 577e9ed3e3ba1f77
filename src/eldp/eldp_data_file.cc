#include "eldp/eldp_data_file.h"

#include "common/cp1250.h"
#include "common/file_helpers.h"
#include "eldp/eldp_form_layout.h"

namespace zerkon {

std::string GetAttrValue(std::string_view joined_text, std::string_view key) {
    std::string text = " ";
    text += joined_text;
    std::string pattern = " ";
    pattern += key;
    pattern += "=\"";
    const std::string upper_text = UpperCase1250(text);
    const std::size_t at = upper_text.find(UpperCase1250(pattern));
    if (at == std::string::npos) return {};
    const std::size_t start = at + pattern.size();
    const std::size_t end = text.find('"', start);
    if (end == std::string::npos) return {};
    return text.substr(start, end - start);
}

void ApplyEldpData(std::string_view joined_text, EldpRecord& record) {
    for (const EldpField& field : EldpFormFields()) {
        if (field.data_key.empty()) continue;
        if (bool* mark = FieldMark(field, record)) {
            if (GetAttrValue(joined_text, field.data_key) == "X") *mark = true;
        } else {
            *FieldText(field, record) = GetAttrValue(joined_text, field.data_key);
        }
    }
}

Result<std::string> ReadEldpDataFile(FileSystem& files, std::string_view data_file) {
    Result<std::string> text = files.ReadWhole(PathFromText(data_file));
    if (text.ok()) std::erase_if(*text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

void IniEldp(FileSystem& files, std::string_view data_file, EldpRecord& record) {
    ApplyEldpData(ReadEldpDataFile(files, data_file).value_or(""), record);
}

}  // namespace zerkon
