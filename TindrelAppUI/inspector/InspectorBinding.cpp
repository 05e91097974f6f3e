#include "TindrelAppUI/inspector/InspectorBinding.h"

#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/shell/MainWindow.h"

#include <QTimer>

namespace tindrel {
namespace {

ScreenState::Insight insightOf(InspectorModel::Explanation::State state) {
    switch (state) {
    case InspectorModel::Explanation::State::loading:
        return ScreenState::Insight::loading;
    case InspectorModel::Explanation::State::ready:
        return ScreenState::Insight::ready;
    case InspectorModel::Explanation::State::none:
        return ScreenState::Insight::none;
    }
    return ScreenState::Insight::none;
}

void addPresentation(ScreenState& state, const InspectorModel::Presentation& presentation) {
    using Kind = InspectorModel::Presentation::Kind;
    switch (presentation.kind) {
    case Kind::single:
        state.scene = ScreenState::Scene::single;
        state.singleChain = presentation.chain;
        state.embeddedCount = presentation.embeddedCount;
        break;
    case Kind::scan:
        state.scene = ScreenState::Scene::scan;
        state.findings = *presentation.findings;
        break;
    case Kind::empty:
        state.scene = ScreenState::Scene::empty;
        break;
    case Kind::unrecognized:
        state.scene = ScreenState::Scene::unrecognized;
        break;
    }
}

} // namespace

ScreenState screenStateOf(const InspectorModel& model) {
    ScreenState state;
    state.input = model.inputText();
    addPresentation(state, model.presentation());
    if (model.decoding()) state.scene = ScreenState::Scene::decoding;
    state.selectedFinding = model.selectedFinding();
    state.singleResultAvailable = model.singleResultAvailable();
    state.insightChain = model.insightChain();
    state.insight = insightOf(model.explanation().state);
    state.explanation = QString::fromStdString(model.explanation().text);
    for (const InspectorModel::FollowUpItem& item : model.followUps()) {
        std::optional<QString> answer;
        if (item.answer) answer = QString::fromStdString(*item.answer);
        state.followUps.push_back({QString::fromStdString(item.question), answer});
    }
    state.history = model.history().entries();
    state.historyLimit = model.historyLimit();
    return state;
}

InspectorBinding::InspectorBinding(InspectorModel& model, MainWindow& window, QObject* parent)
    : QObject(parent)
    , model_(model)
    , window_(window)
    , pending_(new QTimer(this)) {
    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, &InspectorBinding::renderNow);
    connectModel();
    connectWindow();
    renderNow();
}

void InspectorBinding::setShortcutTip(std::optional<QString> tip) {
    tip_ = std::move(tip);
    pending_->start();
}

void InspectorBinding::renderNow() {
    pending_->stop();
    ScreenState state = screenStateOf(model_);
    state.shortcutTip = tip_;
    window_.render(state);
}

void InspectorBinding::connectModel() {
    const auto schedule = [this] { pending_->start(); };
    connect(&model_, &InspectorModel::inputChanged, this, schedule);
    connect(&model_, &InspectorModel::forcedLogScanChanged, this, schedule);
    connect(&model_, &InspectorModel::selectedFindingChanged, this, schedule);
    connect(&model_, &InspectorModel::chainChanged, this, schedule);
    connect(&model_, &InspectorModel::findingsChanged, this, schedule);
    connect(&model_, &InspectorModel::decodingChanged, this, schedule);
    connect(&model_, &InspectorModel::explanationChanged, this, schedule);
    connect(&model_, &InspectorModel::followUpsChanged, this, schedule);
    connect(&model_, &InspectorModel::historyChanged, this, schedule);
    connect(&model_, &InspectorModel::historyLimitChanged, this, schedule);
}

void InspectorBinding::connectWindow() {
    InspectorModel* model = &model_;
    connect(&window_, &MainWindow::inputEdited, model,
            [model](const QString& text) { model->typeInput(text.toStdString()); });
    connect(&window_, &MainWindow::inputPasted, model, &InspectorModel::setInputText);
    connect(&window_, &MainWindow::sampleRequested, model, &InspectorModel::loadSample);
    connect(&window_, &MainWindow::clearInputRequested, model, &InspectorModel::clearInput);
    connect(&window_, &MainWindow::clipboardRequested, model, &InspectorModel::loadClipboard);
    connect(&window_, &MainWindow::logScanRequested, model, &InspectorModel::showLogScan);
    connect(&window_, &MainWindow::findingSelected, model, &InspectorModel::selectFinding);
    connect(&window_, &MainWindow::clearHistoryRequested, model, &InspectorModel::clearHistory);
    connect(&window_, &MainWindow::askRequested, model,
            [model](const QString& question) { model->ask(question.toStdString()); });
    connect(&window_, &MainWindow::readingChosen, model, &InspectorModel::chooseReading);
    connect(&window_, &MainWindow::signatureKeyChosen, model, &InspectorModel::verifySignature);
    connect(&window_, &MainWindow::historyEntryChosen, model, [model](int index) {
        const auto& entries = model->history().entries();
        if (index >= 0 && index < static_cast<int>(entries.size())) model->loadHistoryEntry(entries[index]);
    });
}

} // namespace tindrel
