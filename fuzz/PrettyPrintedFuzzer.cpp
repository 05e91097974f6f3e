#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/tests/TreeReading.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The flat reader renders every text as nlohmann's tree renders it, and refuses what it refuses.
    std::optional<nlohmann::json> tree = tindrel::fixtures::treeReading(bytes);
    std::optional<std::string> treeText = tree ? tindrel::JSONUtil::write(*tree, true) : std::nullopt;
    std::optional<tindrel::FlatJSON> flat = tindrel::FlatJSON::read(bytes);
    if ((flat ? flat->pretty() : std::nullopt) != treeText) __builtin_trap();
    std::string text = tindrel::Text::sanitizeUTF8(bytes);
    if (auto pretty = tindrel::JSONUtil::prettyPrinted(text)) {
        // A canonical rendering renders to itself.
        auto again = tindrel::JSONUtil::prettyPrinted(pretty->text);
        if (!again || again->text != pretty->text) __builtin_trap();
    }
    return 0;
}
