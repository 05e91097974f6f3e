#include "TindrelCLI/ScanDocument.h"

#include "TindrelCLI/Output.h"
#include "TindrelCore/TindrelJSON.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace tindrel::cli {
namespace {

// Renders each finding's entry after the separator that joins it to the one before, once `check`
// (when given) has completed it. The findings of a text come in runs that share their chain: from
// the second of a run on, the text of their entry but for the line is kept. The first is rendered
// where it goes, as most findings of a log have a text of their own, and some an entry of megabytes.
class EntryRenderer {
public:
    EntryRenderer(std::function<void(ScanFinding&)> check, std::shared_ptr<std::atomic<bool>> unwritable)
        : check_(std::move(check))
        , unwritable_(std::move(unwritable)) {}

    void operator()(const ScanFinding& finding, std::string& into) {
        into += TindrelJSON::entrySeparator;
        if (finding.chain != lastChain_) {
            lastChain_ = finding.chain;
            kept_ = false;
            afterLine_.clear();
            if (!appendFrame(finding, into, afterLine_)) return;
            TindrelJSON::appendEntry(into, {}, finding.line, afterLine_);
            return;
        }
        if (!kept_) {
            beforeLine_.clear();
            afterLine_.clear();
            if (!appendFrame(finding, beforeLine_, afterLine_)) return;
            kept_ = true;
        }
        TindrelJSON::appendEntry(into, beforeLine_, finding.line, afterLine_);
    }

private:
    // The entry's text before its line goes to `beforeLine`, the text after it to `afterLine`.
    bool appendFrame(const ScanFinding& found, std::string& beforeLine, std::string& afterLine) {
        ScanFinding finding = found;
        if (check_) check_(finding);
        std::optional<TindrelJSON::ChainParts> parts = TindrelJSON::chainParts(*finding.chain);
        std::optional<std::string> text = TindrelJSON::matchedTextMember(finding.matchedText());
        if (parts && text && TindrelJSON::appendEntryFrame(beforeLine, afterLine, *parts, *text)) return true;
        *unwritable_ = true;
        return false;
    }

    std::function<void(ScanFinding&)> check_;
    std::shared_ptr<std::atomic<bool>> unwritable_;
    std::shared_ptr<const DecodeChain> lastChain_; // held, so that its address is not reused
    bool kept_ = false;                            // whether beforeLine_ is lastChain_'s
    std::string beforeLine_;
    std::string afterLine_;
};

} // namespace

std::optional<CountedDocument> writeScanDocument(const RereadableScan& scan) {
    std::size_t count = 0;
    if (!scan.count(CountedFindings{[&count](std::size_t findings) { count += findings; }}))
        return std::nullopt;
    writeOut(TindrelJSON::scanOpening(count));
    auto unwritable = std::make_shared<std::atomic<bool>>(false);
    std::size_t written = 0;
    // The entries come in parts of kilobytes, which go out as they are: gathered, they would be
    // copied once more.
    auto take = [&](std::string_view entries, std::size_t findings) {
        // Every entry comes after a separator, which the first of all does without.
        if (written == 0) entries.remove_prefix(std::min(entries.size(), TindrelJSON::entrySeparator.size()));
        writeOut(entries);
        written += findings;
    };
    if (!scan.render(
            RenderedFindings{[&] { return FindingRenderer(EntryRenderer(scan.check, unwritable)); }, take}))
        return std::nullopt;
    writeOut(TindrelJSON::scanClosing(count) + "\n");
    return CountedDocument{count, written == count && !*unwritable};
}

} // namespace tindrel::cli
