#include "eldp/eldp_record.h"

namespace zerkon {

bool IsDateFilled(std::string_view masked_text) {
    return masked_text.find('_') == std::string_view::npos;
}

std::string TakeSheetType(EldpRecord& record) {
    if (record.type.empty()) record.type = "01";
    return record.type;
}

}  // namespace zerkon
