#include "TindrelCore/detectors/XMLDetector.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tindrel;
    std::string text = Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    XMLDetector detector;
    if (auto result = detector.decode(text)) {
        // The pretty form is the same document: same root, same element children.
        auto again = detector.decode(result->output);
        if (!again || again->details != result->details) __builtin_trap();
    }
    return 0;
}
