#include "TindrelHistory/HistoryEntry.h"

#include "TindrelCore/Redaction.h"

namespace tindrel {

HistoryEntry::HistoryEntry(std::string input_, std::vector<std::string> shape_, bool recognized_,
                           std::int64_t timestamp_)
    : input(std::move(input_))
    , shape(std::move(shape_))
    , recognized(recognized_)
    , timestamp(timestamp_) {}

HistoryEntry::HistoryEntry(std::string input_, const DecodeChain& chain, std::int64_t timestamp_)
    : HistoryEntry(std::move(input_), chain.shape(), chain.isRecognized(), timestamp_) {}

std::string HistoryEntry::shapeLabel() const {
    if (!recognized) return "unrecognized";
    std::string label;
    for (const std::string& kind : shape) {
        if (!label.empty()) label += " \u2192 ";
        label += kind;
    }
    return label;
}

HistoryEntry HistoryEntry::withoutSecrets() const {
    HistoryEntry masked = *this;
    masked.input = Redaction::redact(input, Redaction::Mode::secrets);
    return masked;
}

} // namespace tindrel
