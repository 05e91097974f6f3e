#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = tindrel::Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    tindrel::DecodeChain chain = tindrel::Tindrel::inspect(text);
    (void)tindrel::TindrelJSON::string(chain);
    return 0;
}
