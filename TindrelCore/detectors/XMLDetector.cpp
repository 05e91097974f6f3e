#include "TindrelCore/detectors/XMLDetector.h"

#include "TindrelCore/formats/XMLTree.h"
#include "TindrelCore/text/Text.h"

#include <fmt/format.h>

namespace tindrel {

std::optional<DecodeResult> XMLDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (!t.starts_with('<')) return std::nullopt;
    // Property lists belong to the property-list reading, even when they fail it.
    if (t.find("<plist") != std::string_view::npos || t.find("<!DOCTYPE plist") != std::string_view::npos)
        return std::nullopt;
    std::optional<XMLTree::Document> doc = XMLTree::read(t);
    if (!doc) return std::nullopt;
    std::size_t n = doc->childElements;
    return DecodeResult{
        DetectionKind::xml,
        std::move(doc->pretty),
        0.9,
        fmt::format("XML \u2014 root <{}>, {} child element{}", doc->root, n, n == 1 ? "" : "s"),
        {{"root", doc->root}, {"childElements", std::to_string(n)}},
        true,
    };
}

} // namespace tindrel
