#include "shell/update_request.h"

#include <algorithm>

namespace zerkon {
namespace {

void PutUint32(std::vector<std::uint8_t>& record, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutText(std::vector<std::uint8_t>& record, std::size_t offset, std::size_t max_length,
             const std::string& text) {
    std::size_t length = std::min(text.size(), max_length);
    record[offset] = static_cast<std::uint8_t>(length);
    std::copy_n(text.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(offset) + 1);
}

}  // namespace

std::vector<std::uint8_t> BuildUpdateRequest(WindowHandle receiver, const UpdateInputs& inputs) {
    std::vector<std::uint8_t> record(kUpdateRequestSize, 0);
    // Window handles carry 32 significant bits, also in 64-bit processes.
    PutUint32(record, 0, static_cast<std::uint32_t>(receiver));
    PutUint32(record, 4, static_cast<std::uint32_t>(inputs.caller));
    PutUint32(record, 8, static_cast<std::uint32_t>(inputs.x));
    PutUint32(record, 12, static_cast<std::uint32_t>(inputs.y));
    record[16] = inputs.mode;
    record[17] = inputs.mode;
    PutText(record, 18, 30, inputs.host);
    PutText(record, 49, 30, inputs.product);
    PutText(record, 80, 20, inputs.version);
    PutText(record, 101, 20, inputs.extra);
    PutText(record, 122, 80, inputs.download_folder);
    PutUint32(record, 203, inputs.reserved);
    return record;
}

}  // namespace zerkon
