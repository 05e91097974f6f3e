#include "TindrelCore/detectors/YAMLDetector.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tindrel;
    std::string text = Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    if (auto lines = YAML::preprocess(text); lines && !lines->lines.empty()) {
        std::size_t position = 0;
        YAML::parseBlock(lines->lines, position);
        if (position > lines->lines.size()) __builtin_trap();
    }
    if (auto result = YAMLDetector().decode(text)) {
        // The output is JSON whose top level has as many entries as the details say.
        auto parsed = JSONUtil::parse(result->output);
        if (!parsed || !parsed->is_structured()) __builtin_trap();
        if (std::to_string(parsed->size()) != result->details.at("entries")) __builtin_trap();
    }
    return 0;
}
