#include "TindrelAppUI/inspector/InspectorModel.h"

#include "TindrelAppUI/inspector/DemoHistory.h"
#include "TindrelAppUI/inspector/ExportDump.h"
#include "TindrelAppUI/inspector/ModelWorkers.h"
#include "TindrelAppUI/settings/HistoryPrivacy.h"
#include "TindrelCore/Redaction.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/Text.h"
#include "TindrelCore/verify/JWTSignature.h"
#include "TindrelReport/ResultExport.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstdint>

namespace tindrel {
namespace {

bool isBlank(std::string_view text) {
    return Text::trim(text).empty();
}

SharedFindings noFindings() {
    static const SharedFindings none = std::make_shared<const std::vector<ScanFinding>>();
    return none;
}

template <typename T> bool samePointee(const std::shared_ptr<const T>& a, const std::shared_ptr<const T>& b) {
    if (a == b) return true;
    return a && b && *a == *b;
}

} // namespace

DecodedInput decodeInput(const std::string& text) {
    return {std::make_shared<const DecodeChain>(Tindrel::inspect(text)),
            std::make_shared<const std::vector<ScanFinding>>(Tindrel::scan(text))};
}

bool InspectorModel::waitForWorkers(int milliseconds) {
    return ModelWorkers::waitForDone(milliseconds);
}

InspectorModel::Presentation InspectorModel::Presentation::single(SharedChain chain, int embeddedCount) {
    return {Kind::single, std::move(chain), embeddedCount, nullptr};
}

InspectorModel::Presentation InspectorModel::Presentation::scan(SharedFindings findings) {
    return {Kind::scan, nullptr, 0, std::move(findings)};
}

bool InspectorModel::Presentation::operator==(const Presentation& other) const {
    return kind == other.kind && embeddedCount == other.embeddedCount && samePointee(chain, other.chain) &&
           samePointee(findings, other.findings);
}

InspectorModel::InspectorModel(Defaults& defaults, const QStringList& arguments, InspectorServices services,
                               QObject* parent)
    : QObject(parent)
    , findings_(noFindings())
    , settleTimer_(new QTimer(this))
    , defaults_(defaults)
    , services_(std::move(services)) {
    settleTimer_->setSingleShot(true);
    settleTimer_->setInterval(services_.settleMilliseconds);
    connect(settleTimer_, &QTimer::timeout, this, [this] {
        awaitingSettle_ = false;
        recordIfSettled();
    });
    std::optional<QByteArray> stored = defaults_.data(historyKey);
    if (stored) history_ = InspectionHistory::decoded(std::string_view(stored->constData(), stored->size()));
    if (HistoryPrivacy::withoutSecrets(defaults_)) forgetHistorySecrets();
    connect(&HistoryPrivacy::shared(), &HistoryPrivacy::changed, this, [this](bool withoutSecrets) {
        if (withoutSecrets) forgetHistorySecrets();
    });
    applyLaunchFlags(LaunchFlags::parse(arguments));
}

// Entries recorded before the history was kept without secrets lose theirs, in memory and on disk.
void InspectorModel::forgetHistorySecrets() {
    InspectionHistory masked = history_.withoutSecrets();
    if (masked == history_) return;
    history_ = std::move(masked);
    emit historyChanged();
    persistHistory();
}

InspectorModel::~InspectorModel() {
    cancelExplanation();
    awaitingSettle_ = false; // closing the app settles what was typed last
    recordIfSettled();
}

// What a launch's flags put in front of the person: demo history, a sample, or the clipboard.
void InspectorModel::loadLaunchInput(const LaunchFlags& flags) {
    if (flags.seedHistory) seedDemoHistory();
    if (flags.autoloadSample) {
        setInput(std::string(flags.scan ? Samples::log : Samples::token));
    } else if (flags.scan) {
        setInput(std::string(Samples::log));
    }
    if (flags.inspectClipboard) loadClipboard();
}

void InspectorModel::applyLaunchFlags(const LaunchFlags& flags) {
    decodeInBackground_ = false;
    loadLaunchInput(flags);
    if (flags.dumpExportPath) dumpExport(*flags.dumpExportPath); // at start a failed export is ignored
    if (flags.askQuestion) {
        QTimer::singleShot(services_.askDelayMilliseconds, this,
                           [this, question = flags.askQuestion->toStdString()] { ask(question); });
    }
    decodeInBackground_ = true;
}

HandOverFailure InspectorModel::dumpExport(const QString& path) const {
    SharedChain focus = insightChain();
    if (!focus) return QStringLiteral("--dump-export: nothing is in focus to export");
    if (!ExportDump::writeAtomically(path, ExportDump::text(*focus, services_.mediumDate)))
        return QStringLiteral("--dump-export: could not write ") + path;
    return std::nullopt;
}

HandOverFailure InspectorModel::askHandedOver(const QString& question) {
    if (Text::isBlank(question.toStdString())) return QStringLiteral("--ask: the question is blank");
    if (!insightChain()) return QStringLiteral("--ask: nothing is in focus to ask about");
    ask(question.toStdString());
    return std::nullopt;
}

void InspectorModel::applyHandedOver(const LaunchFlags& flags, std::function<void(HandOverFailure)> done) {
    loadLaunchInput(flags);
    if (!flags.dumpExportPath && !flags.askQuestion) {
        done(std::nullopt);
        return;
    }
    whenDecoded([this, flags, done = std::move(done)] {
        QStringList failures;
        if (flags.dumpExportPath)
            if (HandOverFailure failure = dumpExport(*flags.dumpExportPath)) failures << *failure;
        if (flags.askQuestion)
            if (HandOverFailure failure = askHandedOver(*flags.askQuestion)) failures << *failure;
        done(failures.isEmpty() ? HandOverFailure() : failures.join(QLatin1Char('\n')));
    });
}

void InspectorModel::whenDecoded(std::function<void()> then) {
    if (decoding_) {
        afterDecode_.push_back(std::move(then));
        return;
    }
    then();
}

InspectorModel::Presentation InspectorModel::presentation() const {
    if (decoding_ || isBlank(*input_)) return Presentation::empty();
    if (forcedLogScan_ && !findings_->empty()) return Presentation::scan(findings_);
    if (chain_ && chain_->isRecognized()) {
        int count = static_cast<int>(findings_->size());
        return Presentation::single(chain_, count >= 2 ? count : 0);
    }
    if (findings_->empty()) return Presentation::unrecognized();
    return Presentation::scan(findings_);
}

bool InspectorModel::singleResultAvailable() const {
    return chain_ && chain_->isRecognized();
}

std::optional<int> InspectorModel::clampedSelection() const {
    if (findings_->empty()) return std::nullopt;
    return std::clamp(selectedFinding_, 0, static_cast<int>(findings_->size()) - 1);
}

SharedChain InspectorModel::insightChain() const {
    Presentation shown = presentation();
    switch (shown.kind) {
    case Presentation::Kind::single:
        return shown.chain;
    case Presentation::Kind::scan:
        return (*findings_)[*clampedSelection()].chain;
    case Presentation::Kind::empty:
    case Presentation::Kind::unrecognized:
        return nullptr;
    }
    return nullptr;
}

std::optional<std::string> InspectorModel::primaryValue() const {
    SharedChain focus = insightChain();
    if (!focus) return std::nullopt;
    return focus->finalValue();
}

const QString& InspectorModel::inputText() const {
    if (!inputText_) inputText_ = QString::fromStdString(*input_);
    return *inputText_;
}

void InspectorModel::setInput(std::string text) {
    awaitingSettle_ = false;
    settleTimer_->stop();
    assignInput(std::move(text));
}

void InspectorModel::typeInput(std::string text) {
    awaitingSettle_ = true;
    settleTimer_->start();
    assignInput(std::move(text));
}

void InspectorModel::assignInput(std::string text) {
    input_ = std::make_shared<const std::string>(std::move(text));
    inputText_.reset();
    emit inputChanged();
    recompute();
}

void InspectorModel::recompute() {
    cancelExplanation();
    setForcedLogScan(false);
    setSelectedFinding(0);
    recordPending_ = false;
    ++*latestDecode_;
    if (isBlank(*input_)) {
        setDecoding(false);
        commitDecode({nullptr, noFindings()});
        return;
    }
    if (decodeInBackground_ && input_->size() >= backgroundDecodeBytes) {
        decodeInBackground();
        return;
    }
    setDecoding(false);
    commitDecode(services_.decode(*input_));
}

void InspectorModel::decodeInBackground() {
    setChain(nullptr);
    setFindings(noFindings());
    setExplanation(Explanation::none());
    setFollowUps({});
    setDecoding(true);
    const std::uint64_t generation = latestDecode_->load();
    QFuture<DecodedInput> task =
        QtConcurrent::run(&ModelWorkers::decoders(),
                          [text = input_, decode = services_.decode, latest = latestDecode_, generation] {
                              if (latest->load() != generation) return DecodedInput{};
                              return decode(*text);
                          });
    ModelWorkers::whenFinished(this, std::move(task), [this, generation](DecodedInput decoded) {
        if (latestDecode_->load() != generation) return;
        setDecoding(false);
        commitDecode(std::move(decoded));
    });
}

void InspectorModel::commitDecode(DecodedInput decoded) {
    setChain(std::move(decoded.chain));
    setFindings(std::move(decoded.findings));
    if (!chain_) {
        setExplanation(Explanation::none());
    } else {
        recordPending_ = chain_->isRecognized();
        recordIfSettled();
        refreshExplanation();
    }
    // In order, and each only while nothing is being decoded: one may start a decode the next waits for.
    while (!decoding_ && !afterDecode_.empty()) {
        std::function<void()> then = std::move(afterDecode_.front());
        afterDecode_.erase(afterDecode_.begin());
        then();
    }
}

void InspectorModel::recordIfSettled() {
    if (!recordPending_ || awaitingSettle_) return;
    recordPending_ = false;
    auto now = static_cast<std::int64_t>(Clock::now());
    bool withoutSecrets = HistoryPrivacy::withoutSecrets(defaults_);
    history_.record(
        HistoryEntry(withoutSecrets ? Redaction::redactedInput(*chain_, Redaction::Mode::secrets) : *input_,
                     *chain_, now));
    emit historyChanged();
    persistHistory();
}

void InspectorModel::refreshExplanation() {
    cancelExplanation();
    setFollowUps({});
    Presentation shown = presentation();
    switch (shown.kind) {
    case Presentation::Kind::single:
        startExplanation(shown.chain);
        break;
    case Presentation::Kind::scan:
        startExplanation(insightChain());
        break;
    case Presentation::Kind::empty:
    case Presentation::Kind::unrecognized:
        setExplanation(Explanation::none());
        break;
    }
}

void InspectorModel::startExplanation(const SharedChain& chain) {
    if (!chain || !chain->isRecognized()) {
        setExplanation(Explanation::none());
        return;
    }
    setExplanation(Explanation::loading());
    explainingChain_ = chain;
    Cancellation cancellation;
    explainTask_ = cancellation;
    std::shared_ptr<const ExplanationService> service = services_.explanations;
    struct Written {
        std::string text;
        ExplainerSource source;
    };
    QFuture<Written> task = QtConcurrent::run(&ModelWorkers::explainers(), [service, chain, cancellation] {
        // Deciding the source probes for a local model, which may take a while,
        // so it happens here, just before the explanation is asked for.
        ExplainerSource source =
            service->modelAvailable() ? ExplainerSource::onDeviceAI : ExplainerSource::deterministic;
        return Written{service->explain(*chain, cancellation), source};
    });
    ModelWorkers::whenFinished(this, std::move(task), [this, chain, cancellation](Written written) {
        if (cancellation.isCancelled()) return;
        finishExplanation(chain, std::move(written.text), written.source);
    });
}

void InspectorModel::finishExplanation(const SharedChain& chain, std::string text, ExplainerSource source) {
    if (!samePointee(explainingChain_, chain)) return;
    setExplanation(Explanation::ready(std::move(text), source));
}

void InspectorModel::cancelExplanation() {
    if (explainTask_) explainTask_->cancel();
    explainTask_.reset();
}

void InspectorModel::ask(const std::string& question) {
    std::string trimmed(Text::trim(question));
    SharedChain focus = insightChain();
    if (trimmed.empty() || !focus) return;
    int id = ++followUpCounter_;
    followUps_.push_back({id, trimmed, std::nullopt});
    emit followUpsChanged();
    std::shared_ptr<const ExplanationService> service = services_.explanations;
    QFuture<std::string> task = QtConcurrent::run(&ModelWorkers::explainers(), [service, focus, trimmed] {
        return service->answer(trimmed, *focus, service->modelAvailable());
    });
    ModelWorkers::whenFinished(this, std::move(task),
                               [this, id](std::string answer) { answerFollowUp(id, std::move(answer)); });
}

void InspectorModel::verifySignature(const VerificationKey& key) {
    Presentation shown = presentation();
    if (shown.kind == Presentation::Kind::single) {
        auto checked = std::make_shared<DecodeChain>(*chain_);
        verifyJWTSignatures(*checked, key);
        setChain(std::move(checked));
    } else if (shown.kind == Presentation::Kind::scan) {
        auto checked = std::make_shared<std::vector<ScanFinding>>(*findings_);
        verifyJWTSignatures((*checked)[static_cast<std::size_t>(*clampedSelection())], key);
        setFindings(std::move(checked));
    } else {
        return;
    }
    refreshExplanation();
}

void InspectorModel::answerFollowUp(int id, std::string answer) {
    auto item = std::find_if(followUps_.begin(), followUps_.end(),
                             [id](const FollowUpItem& candidate) { return candidate.id == id; });
    if (item == followUps_.end()) return;
    item->answer = std::move(answer);
    emit followUpsChanged();
}

void InspectorModel::chooseReading(int step, DetectionKind kind) {
    SharedChain focus = insightChain();
    if (!focus || step < 0) return;
    ReadingOutcome outcome = Tindrel::reread(*focus, static_cast<std::size_t>(step), kind);
    if (outcome.refused) return;
    auto reread = std::make_shared<const DecodeChain>(std::move(outcome.chain));
    if (presentation().kind == Presentation::Kind::single) {
        setChain(std::move(reread));
    } else {
        auto findings = std::make_shared<std::vector<ScanFinding>>(*findings_);
        (*findings)[*clampedSelection()].chain = std::move(reread);
        setFindings(std::move(findings));
    }
    refreshExplanation();
}

void InspectorModel::loadClipboard() {
    std::optional<QString> text = services_.pasteboard->text();
    setInput(text ? text->toStdString() : std::string());
}

void InspectorModel::selectFinding(int index) {
    if (index == selectedFinding_) return;
    setSelectedFinding(index);
    refreshExplanation();
}

void InspectorModel::showLogScan(bool on) {
    setForcedLogScan(on);
    setSelectedFinding(0);
    refreshExplanation();
}

void InspectorModel::clearHistory() {
    history_.clear();
    emit historyChanged();
    persistHistory();
}

void InspectorModel::loadSample() {
    setInput(std::string(Samples::token));
}

void InspectorModel::persistHistory() {
    Bytes::Buffer encoded = history_.encoded();
    defaults_.setData(historyKey, QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size())));
}

void InspectorModel::seedDemoHistory() {
    for (HistoryEntry& entry : DemoHistory::entries())
        history_.record(std::move(entry));
    emit historyChanged();
}

std::optional<std::string> InspectorModel::markdownExport() const {
    SharedChain focus = insightChain();
    if (!focus) return std::nullopt;
    std::optional<std::string_view> text;
    if (explanation_.state == Explanation::State::ready) text = explanation_.text;
    return ResultExport::markdown(*focus, text, Explainer::nextSteps(*focus), services_.mediumDate);
}

std::optional<std::string> InspectorModel::jsonExport() const {
    SharedChain focus = insightChain();
    if (!focus) return std::nullopt;
    return TindrelJSON::string(*focus);
}

void InspectorModel::copyMarkdown() {
    if (std::optional<std::string> text = markdownExport())
        services_.pasteboard->setText(QString::fromStdString(*text));
}

void InspectorModel::copyJSON() {
    if (std::optional<std::string> text = jsonExport())
        services_.pasteboard->setText(QString::fromStdString(*text));
}

void InspectorModel::setDecoding(bool on) {
    if (decoding_ == on) return;
    decoding_ = on;
    emit decodingChanged();
}

void InspectorModel::setChain(SharedChain chain) {
    chain_ = std::move(chain);
    emit chainChanged();
}

void InspectorModel::setFindings(SharedFindings findings) {
    findings_ = std::move(findings);
    emit findingsChanged();
}

void InspectorModel::setExplanation(Explanation explanation) {
    explanation_ = std::move(explanation);
    emit explanationChanged();
}

void InspectorModel::setFollowUps(std::vector<FollowUpItem> items) {
    followUps_ = std::move(items);
    emit followUpsChanged();
}

void InspectorModel::setForcedLogScan(bool on) {
    forcedLogScan_ = on;
    emit forcedLogScanChanged();
}

void InspectorModel::setSelectedFinding(int index) {
    selectedFinding_ = index;
    emit selectedFindingChanged();
}

} // namespace tindrel
