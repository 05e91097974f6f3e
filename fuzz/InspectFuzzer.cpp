#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

// A gate must never turn away a text its detector answers: the engine would lose that answer.
void checkGates(const std::string& text) {
    const tindrel::ByteClass::Set held = tindrel::ByteClass::of(tindrel::Text::trim(text));
    for (const auto& detector : tindrel::defaultDetectors())
        if (!detector->gate().admits(held) && detector->decode(text)) __builtin_trap();
}

// A detector that says its answers can always be written must keep its word on any bytes: the
// engine does not check them.
void checkWritableClaims(std::string_view bytes) {
    for (const auto& detector : tindrel::defaultDetectors()) {
        if (!detector->alwaysWritable()) continue;
        std::optional<tindrel::DecodeResult> answer = detector->decode(bytes);
        if (answer && !answer->canBeWritten()) __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkWritableClaims(bytes);
    std::string text = tindrel::Text::sanitizeUTF8(bytes);
    tindrel::DecodeChain chain = tindrel::Tindrel::inspect(text);
    checkGates(text);
    for (const tindrel::DecodeResult& step : chain.steps)
        checkGates(step.output);
    // Every chain of UTF-8 text can be written: a scan's document counts on it.
    if (tindrel::TindrelJSON::string(chain, tindrel::TindrelJSON::Members::extended) == "{}")
        __builtin_trap();
    return 0;
}
