#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

namespace {

// A gate must never turn away a text its detector answers: the engine would lose that answer.
void checkGates(const std::string& text) {
    const tindrel::ByteClass::Set held = tindrel::ByteClass::of(tindrel::Text::trim(text));
    for (const auto& detector : tindrel::defaultDetectors())
        if (!detector->gate().admits(held) && detector->decode(text)) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = tindrel::Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    tindrel::DecodeChain chain = tindrel::Tindrel::inspect(text);
    checkGates(text);
    for (const tindrel::DecodeResult& step : chain.steps)
        checkGates(step.output);
    (void)tindrel::TindrelJSON::string(chain);
    return 0;
}
