#include "TindrelHistory/InspectionHistory.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tindrel::InspectionHistory history = tindrel::InspectionHistory::decoded(bytes, 3);
    if (history.entries().size() > 3 || history.maxCount() != 3) __builtin_trap();
    // Whatever was read writes back and reads again as the same history.
    if (tindrel::InspectionHistory::decoded(history.encoded(), 3) != history) __builtin_trap();
    return 0;
}
