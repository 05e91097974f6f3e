#include "TindrelCore/formats/X509.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tindrel::X509::parse({reinterpret_cast<const char*>(data), size});
    return 0;
}
