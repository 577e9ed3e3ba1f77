#include "print/print_request.h"

#include <algorithm>

namespace zerkon {
namespace {

constexpr std::size_t kEngineWindowOffset = 0;
constexpr std::size_t kCallerWindowOffset = 4;
constexpr std::size_t kJobFileNameOffset = 8;
constexpr std::size_t kJobFileNameCapacity = 100;
constexpr std::size_t kJobFolderOffset = 170;
constexpr std::size_t kJobFolderCapacity = 128;
constexpr std::size_t kProgramNameOffset = 299;
constexpr std::size_t kProgramNameCapacity = 20;
constexpr std::size_t kFlagsOffset = 320;

void PutUint32(PrintRequest& request, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) request[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetUint32(std::span<const std::uint8_t, kPrintRequestSize> request,
                        std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(request[offset + i]) << (8 * i);
    return value;
}

void PutText(PrintRequest& request, std::size_t offset, std::size_t capacity,
             std::string_view text) {
    const std::size_t length = std::min(text.size(), capacity);
    request[offset] = static_cast<std::uint8_t>(length);
    std::copy_n(text.begin(), length, request.begin() + offset + 1);
}

std::string GetText(std::span<const std::uint8_t, kPrintRequestSize> request, std::size_t offset,
                    std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(request[offset], capacity);
    return std::string(request.begin() + offset + 1, request.begin() + offset + 1 + length);
}

}  // namespace

PrintRequest BuildPrintRequest(const PrintRequestFields& fields) {
    PrintRequest request{};
    PutUint32(request, kEngineWindowOffset, fields.engine_window);
    PutUint32(request, kCallerWindowOffset, fields.caller_window);
    PutText(request, kJobFileNameOffset, kJobFileNameCapacity, fields.job_file_name);
    PutText(request, kJobFolderOffset, kJobFolderCapacity, fields.job_folder);
    PutText(request, kProgramNameOffset, kProgramNameCapacity, fields.program_name);
    request[kFlagsOffset] = 1;
    request[kFlagsOffset + 1] = 1;
    request[kFlagsOffset + 2] = 1;
    return request;
}

PrintRequestFields ReadPrintRequest(std::span<const std::uint8_t, kPrintRequestSize> request) {
    PrintRequestFields fields;
    fields.engine_window = GetUint32(request, kEngineWindowOffset);
    fields.caller_window = GetUint32(request, kCallerWindowOffset);
    fields.job_file_name = GetText(request, kJobFileNameOffset, kJobFileNameCapacity);
    fields.job_folder = GetText(request, kJobFolderOffset, kJobFolderCapacity);
    fields.program_name = GetText(request, kProgramNameOffset, kProgramNameCapacity);
    return fields;
}

}  // namespace zerkon
