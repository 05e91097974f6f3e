#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = tindrel::Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    if (auto pretty = tindrel::JSONUtil::prettyPrinted(text)) {
        // A canonical rendering renders to itself.
        auto again = tindrel::JSONUtil::prettyPrinted(pretty->text);
        if (!again || again->text != pretty->text) __builtin_trap();
    }
    return 0;
}
