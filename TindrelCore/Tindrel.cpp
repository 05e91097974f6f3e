#include "TindrelCore/Tindrel.h"

#include "TindrelCore/engine/ChainEngine.h"

namespace tindrel::Tindrel {
namespace {

const ChainEngine& engine() {
    static const ChainEngine shared{defaultDetectors(), 0.5, 12};
    return shared;
}

const Scanner& scanner() {
    static const Scanner shared{ChainEngine{defaultDetectors(), 0.5, 12}};
    return shared;
}

} // namespace

DecodeChain inspect(std::string_view text) {
    return engine().inspect(text);
}

DecodeChain inspectOwned(std::string text) {
    return engine().inspectOwned(std::move(text));
}

ReadingOutcome inspect(std::string text, const ChosenReadings& chosen) {
    return engine().inspect(std::move(text), chosen);
}

ReadingOutcome reread(const DecodeChain& chain, std::size_t step, DetectionKind kind) {
    return engine().reread(chain, step, kind);
}

std::vector<ScanFinding> scan(std::string_view text) {
    return scanner().scan(text);
}

void scan(std::string_view text, const FindingSink& each) {
    scanner().scan(text, each);
}

ScanStream scanStream(FindingSink each) {
    return ScanStream(scanner(), std::move(each), {});
}

ScanStream scanStream(RenderedFindings rendered) {
    return ScanStream(scanner(), std::move(rendered), {});
}

ScanStream scanStream(CountedFindings counted) {
    return ScanStream(scanner(), std::move(counted), {});
}

} // namespace tindrel::Tindrel
