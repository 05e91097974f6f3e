#include "TindrelAppUI/shell/MainWindow.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/DecodedPane.h"
#include "TindrelAppUI/views/result/ExportMenu.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/result/HistoryList.h"
#include "TindrelAppUI/views/result/InsightPane.h"
#include "TindrelAppUI/views/result/ResultPages.h"
#include "TindrelAppUI/views/result/ScanList.h"
#include "TindrelAppUI/views/result/SignatureDialog.h"
#include "TindrelAppUI/views/result/SourceStrip.h"

#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {
namespace {

QScrollArea* scrolling(QWidget* content) {
    auto* area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    return area;
}

QWidget* decodingPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* label = makeLabel(QString::fromUtf8(ScreenTexts::decoding), "meta");
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return page;
}

} // namespace

MainWindow::MainWindow(bool offerShare, QWidget* parent)
    : QMainWindow(parent)
    , header_(new HeaderBar(offerShare))
    , source_(new SourceStrip)
    , pages_(new QStackedWidget)
    , single_(new SingleResultPage)
    , scanList_(new ScanList)
    , scanPane_(new DecodedPane)
    , empty_(new EmptyPage)
    , unrecognized_(new UnrecognizedPage)
    , insight_(new InsightPane) {
    setWindowTitle(QString::fromLatin1(ScreenTexts::appTitle));
    setMinimumSize(minimumContentSize);
    resize(defaultSize);
    auto* root = new QWidget;
    Theme::setRole(root, "root");
    root->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(root);
    layout->addWidget(header_);
    layout->addWidget(source_);
    pages_->addWidget(scrolling(single_));
    pages_->addWidget(buildScanPage());
    pages_->addWidget(empty_);
    pages_->addWidget(unrecognized_);
    pages_->addWidget(decodingPage());
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(pages_);
    split->addWidget(scrolling(insight_));
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);
    setCentralWidget(root);
    connectRequests();
    render(ScreenState{});
}

QWidget* MainWindow::buildScanPage() {
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(scanList_);
    split->addWidget(scrolling(scanPane_));
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setChildrenCollapsible(false);
    return split;
}

void MainWindow::connectRequests() {
    connect(source_, &SourceStrip::inputEdited, this, &MainWindow::inputEdited);
    connect(source_, &SourceStrip::sampleRequested, this, &MainWindow::sampleRequested);
    connect(source_, &SourceStrip::clearRequested, this, &MainWindow::clearInputRequested);
    connect(header_, &HeaderBar::clipboardRequested, this, &MainWindow::clipboardRequested);
    connect(header_, &HeaderBar::settingsRequested, this, &MainWindow::settingsRequested);
    connect(single_, &SingleResultPage::logScanRequested, this, [this] { emit logScanRequested(true); });
    connect(scanList_, &ScanList::singleResultRequested, this, [this] { emit logScanRequested(false); });
    connect(scanList_, &ScanList::findingSelected, this, &MainWindow::findingSelected);
    for (HistoryList* list : {header_->historyList(), empty_->history()}) {
        connect(list, &HistoryList::entryChosen, this, &MainWindow::historyEntryChosen);
        connect(list, &HistoryList::clearRequested, this, &MainWindow::clearHistoryRequested);
    }
    connect(insight_, &InsightPane::askRequested, this, &MainWindow::askRequested);
    connect(single_, &SingleResultPage::readingChosen, this, &MainWindow::readingChosen);
    connect(scanPane_, &DecodedPane::readingChosen, this, &MainWindow::readingChosen);
    connect(insight_, &InsightPane::verifySignatureRequested, this, &MainWindow::openSignatureDialog);
}

void MainWindow::openSignatureDialog() {
    auto* dialog = new SignatureDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &SignatureDialog::keyChosen, this, &MainWindow::signatureKeyChosen);
    dialog->open();
}

QWidget* MainWindow::currentPage() const {
    QWidget* page = pages_->currentWidget();
    if (auto* area = qobject_cast<QScrollArea*>(page)) return area->widget();
    return page;
}

void MainWindow::render(const ScreenState& state) {
    source_->setInput(state.input);
    source_->setChip(state.chip());
    header_->exportButton()->setVisible(state.insightChain.has_value());
    if (state.insightChain) header_->exportMenu()->setSubject(*state.insightChain, state.readyExplanation());
    header_->historyList()->setEntries(state.history, state.historyLimit);
    empty_->history()->setEntries(state.history, state.historyLimit);
    empty_->setTip(state.shortcutTip);
    switch (state.scene) {
    case ScreenState::Scene::single:
        if (state.singleChain) single_->show(*state.singleChain, state.embeddedCount);
        pages_->setCurrentIndex(0);
        break;
    case ScreenState::Scene::scan:
        renderScan(state);
        pages_->setCurrentIndex(1);
        break;
    case ScreenState::Scene::empty:
        pages_->setCurrentIndex(2);
        break;
    case ScreenState::Scene::unrecognized:
        pages_->setCurrentIndex(3);
        break;
    case ScreenState::Scene::decoding:
        pages_->setCurrentIndex(4);
        break;
    }
    renderInsight(state);
}

void MainWindow::renderScan(const ScreenState& state) {
    scanList_->setFindings(state.findings, state.selectedFinding, state.singleResultAvailable);
    if (state.findings.empty()) return;
    const auto index = static_cast<std::size_t>(
        std::clamp(state.selectedFinding, 0, static_cast<int>(state.findings.size()) - 1));
    const DecodeChain& chain = state.findings[index].chain;
    if (scanPaneChain_ == chain) return;
    scanPaneChain_ = chain;
    scanPane_->setChain(chain);
}

void MainWindow::renderInsight(const ScreenState& state) {
    insight_->setFollowUps(state.followUps);
    auto shown = std::make_tuple(state.insight, state.explanation, state.insightChain);
    if (insightShown_ == shown) return; // a redraw would reset the copy buttons and the pulsing dot
    insightShown_ = std::move(shown);
    if (state.insight == ScreenState::Insight::ready && state.insightChain)
        insight_->showReady(*state.insightChain, state.explanation);
    else if (state.insight == ScreenState::Insight::loading)
        insight_->showLoading();
    else
        insight_->showNone();
}

} // namespace tindrel
