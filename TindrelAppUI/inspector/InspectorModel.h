#pragma once

#include "TindrelAI/Cancellation.h"
#include "TindrelAI/ExplainerSource.h"
#include "TindrelAppUI/inspector/ExplanationService.h"
#include "TindrelAppUI/inspector/LaunchFlags.h"
#include "TindrelAppUI/platform/Pasteboard.h"
#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/verify/VerificationKey.h"
#include "TindrelHistory/InspectionHistory.h"
#include "TindrelReport/MediumDate.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tindrel {

using SharedChain = std::shared_ptr<const DecodeChain>; // as in ScreenState
using SharedFindings = std::shared_ptr<const std::vector<ScanFinding>>;

// What decoding an input gives: its chain and the artifacts the log scan found in it.
struct DecodedInput {
    SharedChain chain;
    SharedFindings findings;
};

// Tindrel::inspect and Tindrel::scan of the text.
DecodedInput decodeInput(const std::string& text);

// What the model reaches outside itself; tests swap in fakes.
struct InspectorServices {
    std::shared_ptr<const ExplanationService> explanations = standardExplanations();
    std::shared_ptr<Pasteboard> pasteboard = std::make_shared<ClipboardPasteboard>();
    MediumDateFormatter mediumDate = MediumDate::fromCLibrary;
    int askDelayMilliseconds = 2000; // "--ask" waits this long before asking
    // A typed input enters the history once no keystroke has come for this long.
    int settleMilliseconds = 1500;
    // Called on a worker for long inputs; tests replace it to take the engine's time out of what they
    // measure.
    std::function<DecodedInput(const std::string&)> decode = decodeInput;
};

// Why the flags a later launch handed over were not all honoured; nothing when they were.
using HandOverFailure = std::optional<QString>;

// The one model behind the main window, the tray menu and the command palette. It lives on the GUI
// thread; explanations and follow-up answers are produced on worker threads and published back here.
class InspectorModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int historyLimit READ historyLimit NOTIFY historyLimitChanged)
    Q_PROPERTY(QString input READ inputText WRITE setInputText NOTIFY inputChanged)
    Q_PROPERTY(bool forcedLogScan READ forcedLogScan NOTIFY forcedLogScanChanged)
    Q_PROPERTY(int selectedFinding READ selectedFinding NOTIFY selectedFindingChanged)
    Q_PROPERTY(bool decoding READ decoding NOTIFY decodingChanged)

public:
    struct Explanation {
        enum class State { none, loading, ready };
        State state = State::none;
        std::string text;                                        // ready only
        ExplainerSource source = ExplainerSource::deterministic; // ready only

        static Explanation none() { return {}; }
        static Explanation loading() { return {State::loading, {}, ExplainerSource::deterministic}; }
        static Explanation ready(std::string text, ExplainerSource source) {
            return {State::ready, std::move(text), source};
        }
        bool operator==(const Explanation&) const = default;
    };

    struct Presentation {
        enum class Kind { single, scan, empty, unrecognized };
        Kind kind = Kind::empty;
        SharedChain chain;       // single: the recognised chain
        int embeddedCount = 0;   // single: number of findings when 2 or more, else 0
        SharedFindings findings; // scan: never empty

        static Presentation single(SharedChain chain, int embeddedCount);
        static Presentation scan(SharedFindings findings);
        static Presentation empty() { return {}; }
        static Presentation unrecognized() { return {Kind::unrecognized, nullptr, 0, nullptr}; }
        // Case and payload, by value.
        bool operator==(const Presentation& other) const;
    };

    struct FollowUpItem {
        int id = 0;
        std::string question; // trimmed
        std::optional<std::string> answer;
        bool operator==(const FollowUpItem&) const = default;
    };

    // Loads the history from `defaults`, then applies the launch flags found in `arguments`.
    explicit InspectorModel(Defaults& defaults, const QStringList& arguments = {},
                            InspectorServices services = {}, QObject* parent = nullptr);
    ~InspectorModel() override;

    static constexpr const char* historyKey = "tindrel.history.v1";
    // Waits for decodes, explanations and answers still running on the models' workers, which outlive
    // their model; the process calls it before it exits so no worker meets torn-down statics. False
    // when some were still running after `milliseconds`.
    static bool waitForWorkers(int milliseconds);
    // Inputs this long are decoded on a worker so a large paste never holds up the window; shorter ones
    // (tokens, certificates, short logs) take a few milliseconds and are decoded at once, which keeps
    // typing them free of flicker.
    static constexpr std::size_t backgroundDecodeBytes = 8 * 1024;

    int historyLimit() const { return historyLimit_; }
    const std::string& input() const { return *input_; }
    // Converted once per input, since the window reads it on every redraw.
    const QString& inputText() const;
    bool forcedLogScan() const { return forcedLogScan_; }
    int selectedFinding() const { return selectedFinding_; }
    // A long input is being decoded: until it is done the model shows nothing for it (an empty
    // presentation, no chain, no findings).
    bool decoding() const { return decoding_; }
    // Nothing while the input is blank.
    const SharedChain& chain() const { return chain_; }
    // Never null; empty while the input is blank.
    const std::vector<ScanFinding>& findings() const { return *findings_; }
    const Explanation& explanation() const { return explanation_; }
    const std::vector<FollowUpItem>& followUps() const { return followUps_; }
    const InspectionHistory& history() const { return history_; }

    Presentation presentation() const;
    bool singleResultAvailable() const;
    // The chain the explanation and the follow-ups are about; null for empty and unrecognised input.
    SharedChain insightChain() const;
    std::optional<std::string> primaryValue() const;

    // Every assignment recomputes, also of the same text. A text set this way is settled (pasted,
    // loaded, handed over) and enters the history as soon as it is recognised.
    void setInput(std::string text);
    void setInputText(const QString& text) { setInput(text.toStdString()); }
    // A text being typed: inspected at once like any other, but it enters the history only once it has
    // settled (no keystroke for `settleMilliseconds`), so a token typed character by character leaves
    // one entry rather than one per prefix.
    void typeInput(std::string text);

    void loadClipboard();
    void ask(const std::string& question);
    // Checks the token signatures of the result in focus with a key the user gave. The key is not
    // kept: the verdict lives in that result's facts until the next input replaces them, and the
    // history, which was written before, never sees it.
    void verifySignature(const VerificationKey& key);
    void reevaluateExplanation() { refreshExplanation(); }
    void selectFinding(int index);
    void showLogScan(bool on);
    void clearHistory();
    void loadHistoryEntry(const HistoryEntry& entry) { setInput(entry.input); }
    void loadSample();
    void clearInput() { setInput({}); }
    // Reads the chain in focus again from the step at `step` (0 for the first), that step taking the
    // reading of `kind`. The choice belongs to this result only: the history keeps the input, and
    // the next assignment of the input decodes it the engine's way again. Nothing happens when
    // there is no chain in focus or that kind does not answer for the step.
    void chooseReading(int step, DetectionKind kind);

    // The Markdown report and the JSON document of the chain in focus; nothing without one.
    std::optional<std::string> markdownExport() const;
    std::optional<std::string> jsonExport() const;
    // Put those on the pasteboard; nothing happens without a chain in focus.
    void copyMarkdown();
    void copyJSON();

    // Applies the flags of a later launch as start-up applies them, except that decoding stays off the
    // GUI thread: the export and the question wait until the input is decoded (also when it was being
    // decoded already). `done` then learns whether everything asked for was done.
    void applyHandedOver(const LaunchFlags& flags, std::function<void(HandOverFailure)> done);

signals:
    void historyLimitChanged();
    void inputChanged();
    void forcedLogScanChanged();
    void selectedFindingChanged();
    void decodingChanged();
    void chainChanged();
    void findingsChanged();
    void explanationChanged();
    void followUpsChanged();
    void historyChanged();

private:
    void assignInput(std::string text);
    void recompute();
    void decodeInBackground();
    void commitDecode(DecodedInput decoded);
    void recordIfSettled();
    // Runs `then` once no decode is running, at once when none is.
    void whenDecoded(std::function<void()> then);
    void setDecoding(bool on);
    void refreshExplanation();
    void startExplanation(const SharedChain& chain);
    void persistHistory();
    void forgetHistorySecrets();
    void seedDemoHistory();
    void applyLaunchFlags(const LaunchFlags& flags);
    void loadLaunchInput(const LaunchFlags& flags);
    // Why nothing was written, when nothing was.
    HandOverFailure dumpExport(const QString& path) const;
    HandOverFailure askHandedOver(const QString& question);
    void cancelExplanation();
    void finishExplanation(const SharedChain& chain, std::string text, ExplainerSource source);
    void answerFollowUp(int id, std::string answer);
    std::optional<int> clampedSelection() const;

    void setChain(SharedChain chain);
    void setFindings(SharedFindings findings);
    void setExplanation(Explanation explanation);
    void setFollowUps(std::vector<FollowUpItem> items);
    void setForcedLogScan(bool on);
    void setSelectedFinding(int index);

    int historyLimit_ = 50;
    // Shared with the worker decoding it, since it may be megabytes.
    std::shared_ptr<const std::string> input_ = std::make_shared<const std::string>();
    mutable std::optional<QString> inputText_;
    bool forcedLogScan_ = false;
    int selectedFinding_ = 0;
    SharedChain chain_;
    SharedFindings findings_;
    Explanation explanation_;
    std::vector<FollowUpItem> followUps_;
    InspectionHistory history_;
    int followUpCounter_ = 0;
    bool decoding_ = false;
    std::vector<std::function<void()>> afterDecode_;
    // The input is being typed and the pause that settles it has not come yet.
    bool awaitingSettle_ = false;
    // The input is recognised but not yet in the history.
    bool recordPending_ = false;
    QTimer* settleTimer_;
    // Launch flags act on their result at once, so they decode in the foreground.
    bool decodeInBackground_ = true;
    // The newest decode; a worker's result for an older one is dropped, and a queued one never runs.
    std::shared_ptr<std::atomic<std::uint64_t>> latestDecode_ =
        std::make_shared<std::atomic<std::uint64_t>>(0);
    std::optional<Cancellation> explainTask_;
    SharedChain explainingChain_;
    Defaults& defaults_;
    InspectorServices services_;
};

} // namespace tindrel
