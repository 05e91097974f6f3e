#include "TindrelAppUI/shell/MainWindow.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/settings/Defaults.h"
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

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {
namespace {

// Moving or resizing the window sends a stream of events; the settings file is written once it rests.
constexpr int geometrySaveDelayMs = 400;

QScrollArea* scrolling(QWidget* content) {
    auto* area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    return area;
}

// A column that scrolls only up and down: it is at least as wide as its content needs, so the splitter
// gives it that room instead of a sideways scroll bar.
class ColumnScrollArea final : public QScrollArea {
public:
    explicit ColumnScrollArea(QWidget* content) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(content);
        fitContentWidth();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) fitContentWidth();
        return QScrollArea::eventFilter(watched, event);
    }

private:
    void fitContentWidth() {
        setMinimumWidth(widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width());
    }
};

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
    , insight_(new InsightPane)
    , geometrySave_(new QTimer(this)) {
    geometrySave_->setSingleShot(true);
    geometrySave_->setInterval(geometrySaveDelayMs);
    connect(geometrySave_, &QTimer::timeout, this, &MainWindow::saveGeometryNow);
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
    split->addWidget(new ColumnScrollArea(insight_));
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);
    setCentralWidget(root);
    connectRequests();
    render(ScreenState{});
}

QWidget* MainWindow::buildScanPage() {
    scanSplit_ = new QSplitter(Qt::Vertical);
    scanSplit_->addWidget(scanList_);
    scanSplit_->addWidget(scrolling(scanPane_));
    scanSplit_->setStretchFactor(0, 0);
    scanSplit_->setStretchFactor(1, 1);
    scanSplit_->setChildrenCollapsible(false);
    scanList_->setMinimumHeight(minScanList);
    scanSplit_->widget(1)->setMinimumHeight(minScanDetails);
    scanSplit_->installEventFilter(this);
    connect(scanSplit_, &QSplitter::splitterMoved, this, [this] {
        chosenScanList_ = scanSplit_->sizes().value(0);
        if (store_) store_->setInteger(scanListKey, *chosenScanList_);
    });
    return scanSplit_;
}

int MainWindow::scanListHeight(int needed, int total, std::optional<int> chosen) {
    const int wanted = chosen ? *chosen : std::min(needed, static_cast<int>(total * scanListShare));
    const int most = total - minScanDetails;
    if (most < minScanList) return std::max(0, std::min(wanted, total / 2));
    return std::clamp(wanted, minScanList, most);
}

void MainWindow::fitScanSplit() {
    const int total = scanSplit_->height() - scanSplit_->handleWidth();
    if (total <= 0) return;
    const int list = scanListHeight(scanList_->neededHeight(), total, chosenScanList_);
    scanSplit_->setSizes({list, total - list});
}

void MainWindow::keepLayoutIn(Defaults& store) {
    store_ = &store;
    if (const std::optional<QByteArray> geometry = store.data(geometryKey)) restoreGeometry(*geometry);
    if (const std::optional<qint64> list = store.integer(scanListKey); list && *list > 0)
        chosenScanList_ = static_cast<int>(std::min<qint64>(*list, QWIDGETSIZE_MAX));
    fitScanSplit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scanSplit_ && event->type() == QEvent::Resize) fitScanSplit();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    saveGeometrySoon();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    saveGeometrySoon();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    saveGeometryNow();
}

void MainWindow::saveGeometrySoon() {
    if (store_ && isVisible()) geometrySave_->start();
}

void MainWindow::saveGeometryNow() {
    geometrySave_->stop();
    if (store_) store_->setData(geometryKey, saveGeometry());
}

void MainWindow::connectRequests() {
    connect(source_, &SourceStrip::inputEdited, this, &MainWindow::inputEdited);
    connect(source_, &SourceStrip::inputPasted, this, &MainWindow::inputPasted);
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
    header_->exportButton()->setVisible(state.insightChain != nullptr);
    // The menu keeps its own copy of the chain; it is given one only when something changed.
    if (state.insightChain &&
        (state.insightChain != exportChain_ || state.readyExplanation() != exportExplanation_)) {
        exportChain_ = state.insightChain;
        exportExplanation_ = state.readyExplanation();
        header_->exportMenu()->setSubject(*exportChain_, exportExplanation_);
    }
    header_->historyList()->setEntries(state.history, state.historyLimit);
    empty_->history()->setEntries(state.history, state.historyLimit);
    empty_->setTip(state.shortcutTip);
    switch (state.scene) {
    case ScreenState::Scene::single:
        single_->show(state.singleChain, state.embeddedCount);
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
    const int rowsBefore = scanList_->rowCount();
    scanList_->setFindings(state.findings, state.selectedFinding, state.singleResultAvailable);
    if (scanList_->rowCount() != rowsBefore) fitScanSplit();
    if (state.findings.empty()) return;
    const auto index = static_cast<std::size_t>(
        std::clamp(state.selectedFinding, 0, static_cast<int>(state.findings.size()) - 1));
    const DecodeChain& chain = *state.findings[index].chain;
    if (scanPaneChain_ == chain) return;
    scanPaneChain_ = chain;
    scanPane_->setChain(chain);
}

void MainWindow::renderInsight(const ScreenState& state) {
    insight_->setFollowUps(state.followUps);
    const bool decoding = state.scene == ScreenState::Scene::decoding;
    // A redraw would reset the copy buttons and the pulsing dot.
    if (insightShown_ && insightShown_->decoding == decoding && insightShown_->insight == state.insight &&
        insightShown_->explanation == state.explanation &&
        sameChain(insightShown_->chain, state.insightChain))
        return;
    insightShown_ = InsightShown{decoding, state.insight, state.explanation, state.insightChain};
    if (decoding)
        insight_->showDecoding();
    else if (state.insight == ScreenState::Insight::ready && state.insightChain)
        insight_->showReady(state.insightChain, state.explanation);
    else if (state.insight == ScreenState::Insight::loading)
        insight_->showLoading();
    else
        insight_->showNone();
}

} // namespace tindrel
