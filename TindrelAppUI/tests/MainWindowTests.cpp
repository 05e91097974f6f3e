#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/result/HistoryList.h"
#include "TindrelAppUI/views/result/InsightPane.h"
#include "TindrelAppUI/views/result/ResultPages.h"
#include "TindrelAppUI/views/result/ScanList.h"
#include "TindrelAppUI/views/result/SourceStrip.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "WidgetTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::buttonTitled;
using testing_support::visibleLabelTexts;

namespace {

ScreenState singleState(const std::string& input, int embedded = 0) {
    ScreenState state;
    state.scene = ScreenState::Scene::single;
    state.input = QString::fromStdString(input);
    state.singleChain = std::make_shared<const DecodeChain>(Tindrel::inspect(input));
    state.insightChain = state.singleChain;
    state.embeddedCount = embedded;
    state.singleResultAvailable = true;
    return state;
}

ScreenState scanState(bool singleAvailable) {
    ScreenState state;
    state.scene = ScreenState::Scene::scan;
    state.input = QString::fromUtf8(Samples::log.data(), Samples::log.size());
    state.findings = Tindrel::scan(Samples::log);
    state.selectedFinding = 1;
    state.insightChain = std::make_shared<const DecodeChain>(state.findings.at(1).chain);
    state.singleResultAvailable = singleAvailable;
    return state;
}

struct MainWindowScreens : testing::Test {
    MainWindow window{false};
};

TEST_F(MainWindowScreens, StartsEmptyWithTheHintAndNoChip) {
    EXPECT_EQ(window.windowTitle(), QString("Tindrel"));
    EXPECT_EQ(window.minimumSize(), QSize(820, 560));
    EXPECT_EQ(window.size(), QSize(1040, 700));
    EXPECT_EQ(window.currentPage(), window.emptyPage());
    EXPECT_FALSE(window.source()->chipVisible());
    EXPECT_FALSE(window.header()->exportButton()->isVisibleTo(&window));
    EXPECT_EQ(window.source()->editor()->placeholderText(),
              QString::fromUtf8("Paste anything \u2014 a token, payload, error, certificate, or log"));
    const QStringList texts = visibleLabelTexts(window.emptyPage());
    EXPECT_TRUE(
        texts.contains(QString::fromUtf8("Paste anything above \u2014 a token, error, certificate, log, or "
                                         "payload \u2014 and Tindrel figures out what it is.")));
    EXPECT_TRUE(texts.contains("RECENT"));
    EXPECT_FALSE(window.emptyPage()->tip()->isVisibleTo(&window));
}

TEST_F(MainWindowScreens, SourceActionsFollowTheInput) {
    SourceStrip* strip = window.source();
    EXPECT_TRUE(strip->sampleButton()->isVisibleTo(strip));
    EXPECT_FALSE(strip->expandButton()->isVisibleTo(strip));
    EXPECT_FALSE(strip->clearButton()->isVisibleTo(strip));
    window.render(singleState(std::string(Samples::token)));
    EXPECT_TRUE(strip->expandButton()->isVisibleTo(strip));
    EXPECT_TRUE(strip->clearButton()->isVisibleTo(strip));
    const int collapsed = strip->editor()->height();
    strip->expandButton()->click();
    EXPECT_EQ(strip->expandButton()->text(), QString("Collapse"));
    EXPECT_GT(strip->editor()->height(), collapsed);
    strip->expandButton()->click();
    EXPECT_EQ(strip->expandButton()->text(), QString("Expand"));
    ScreenState blank;
    blank.input = " ";
    window.render(blank);
    EXPECT_TRUE(strip->clearButton()->isVisibleTo(strip)); // untrimmed text still counts
}

TEST_F(MainWindowScreens, SingleResultShowsChipKindAndBannerOnlyWithEmbeddedItems) {
    window.render(singleState(std::string(Samples::token)));
    EXPECT_EQ(window.currentPage(), window.singlePage());
    EXPECT_EQ(window.source()->chipText(), QString("JWT"));
    EXPECT_TRUE(window.header()->exportButton()->isVisibleTo(&window));
    EXPECT_FALSE(window.singlePage()->banner()->isVisibleTo(window.singlePage()));
    const QStringList texts = visibleLabelTexts(window.singlePage());
    EXPECT_TRUE(texts.contains("DECODED"));
    EXPECT_TRUE(texts.contains("JWT"));
    EXPECT_TRUE(texts.contains("Expired"));
    EXPECT_TRUE(texts.contains("Algorithm"));
    EXPECT_TRUE(texts.contains("Decoded payload") || texts.contains("Final value"));
    window.render(singleState(std::string(Samples::token), 3));
    EXPECT_TRUE(window.singlePage()->banner()->isVisibleTo(window.singlePage()));
    EXPECT_EQ(window.singlePage()->bannerText()->text(),
              QString("Also found 3 embedded items in this input."));
    QSignalSpy logScan(&window, &MainWindow::logScanRequested);
    window.singlePage()->logScanButton()->click();
    ASSERT_EQ(logScan.count(), 1);
    EXPECT_TRUE(logScan.at(0).at(0).toBool());
}

TEST_F(MainWindowScreens, TechnicalDetailsOpenOnDemandWithOneCardPerStep) {
    const std::string base64Json = "eyJ1c2VyIjoiYWRhIiwicmV0cmllcyI6M30=";
    window.render(singleState(base64Json));
    auto* toggle = qobject_cast<QToolButton*>(buttonTitled(window.singlePage(), "Technical details"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_FALSE(visibleLabelTexts(window.singlePage()).contains("FINAL VALUE"));
    toggle->click();
    const QStringList texts = visibleLabelTexts(window.singlePage());
    EXPECT_TRUE(texts.contains("FINAL VALUE"));
    EXPECT_TRUE(texts.contains("1"));
    EXPECT_TRUE(texts.contains("2"));
    EXPECT_TRUE(texts.contains("base64"));
    EXPECT_TRUE(texts.contains("json"));
    EXPECT_TRUE(texts.contains("FACTS"));
}

TEST_F(MainWindowScreens, ScanListCountsFindingsAndOffersTheSingleResultOnlyWhenThereIsOne) {
    window.render(scanState(false));
    EXPECT_EQ(window.currentPage(), window.scanList()->parentWidget());
    const std::size_t found = Tindrel::scan(Samples::log).size();
    EXPECT_EQ(window.scanList()->countText(), QString("%1 findings").arg(found));
    EXPECT_EQ(window.source()->chipText(), QString::fromUtf8("Log \u00B7 %1 found").arg(found));
    EXPECT_EQ(window.scanList()->rowCount(), static_cast<int>(found));
    EXPECT_EQ(window.scanList()->currentRow(), 1);
    EXPECT_FALSE(window.scanList()->singleResultButton()->isVisibleTo(window.scanList()));
    window.render(scanState(true));
    EXPECT_TRUE(window.scanList()->singleResultButton()->isVisibleTo(window.scanList()));
    QSignalSpy selected(&window, &MainWindow::findingSelected);
    window.scanList()->selectRow(0);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 0);
}

TEST_F(MainWindowScreens, UnrecognizedInputSaysSo) {
    ScreenState state;
    state.scene = ScreenState::Scene::unrecognized;
    state.input = "hello there";
    window.render(state);
    EXPECT_FALSE(window.source()->chipVisible());
    const QStringList texts = visibleLabelTexts(window.currentPage());
    EXPECT_EQ(texts,
              QStringList({"Not recognized", "This looks like plain text, an unsupported format, or only a "
                                             "fragment. Try pasting more context."}));
}

TEST_F(MainWindowScreens, LongInputBeingDecodedSaysSo) {
    ScreenState state;
    state.scene = ScreenState::Scene::decoding;
    state.input = "{";
    window.render(state);
    EXPECT_FALSE(window.source()->chipVisible());
    EXPECT_EQ(visibleLabelTexts(window.currentPage()), QStringList({QString::fromUtf8("Decoding\u2026")}));
}

TEST_F(MainWindowScreens, InsightFollowsTheExplanationState) {
    ScreenState state = singleState(std::string(Samples::token));
    window.render(state);
    EXPECT_TRUE(visibleLabelTexts(window.insight())
                    .contains("Paste a token, error, certificate, log, or payload to understand it."));
    EXPECT_TRUE(visibleLabelTexts(window.insight()).contains("Analysis runs on this computer."));
    state.insight = ScreenState::Insight::loading;
    window.render(state);
    EXPECT_TRUE(
        visibleLabelTexts(window.insight()).contains(QString::fromUtf8("Building an explanation\u2026")));
    EXPECT_FALSE(window.insight()->followUps()->isVisibleTo(window.insight()));
    state.insight = ScreenState::Insight::ready;
    state.explanation = "An expired token.";
    state.followUps = {{"why?", std::nullopt}};
    window.render(state);
    const QStringList texts = visibleLabelTexts(window.insight());
    EXPECT_TRUE(texts.contains("Insight"));
    EXPECT_TRUE(texts.contains("On-device"));
    EXPECT_TRUE(texts.contains("This is an expired HS256 JWT."));
    EXPECT_TRUE(texts.contains("Warning"));
    EXPECT_TRUE(texts.contains("Why it matters"));
    EXPECT_TRUE(texts.contains("An expired token."));
    EXPECT_TRUE(texts.contains("What to do next"));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Thinking on-device\u2026")));
    EXPECT_TRUE(window.insight()->followUps()->isVisibleTo(window.insight()));
    EXPECT_NE(buttonTitled(window.insight(), "Copy explanation"), nullptr);
    QAbstractButton* copyJSON = buttonTitled(window.insight(), "Copy JSON");
    ASSERT_NE(copyJSON, nullptr);
    copyJSON->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              TindrelJSON::string(Tindrel::inspect(Samples::token)));
}

TEST_F(MainWindowScreens, HistoryShowsInThePopupAndTheEmptyState) {
    ScreenState state;
    state.history.emplace_back("1733556842", std::vector<std::string>{"unixTimestamp"}, true, 3);
    state.history.emplace_back("abc", std::vector<std::string>{"base64"}, true, 2);
    state.historyLimit = 1;
    state.shortcutTip = "Tip: press X anywhere to inspect your clipboard.";
    window.render(state);
    EXPECT_EQ(window.header()->historyList()->rows()->count(), 1);
    EXPECT_EQ(window.emptyPage()->history()->rows()->count(), 1);
    EXPECT_TRUE(window.emptyPage()->tip()->isVisibleTo(&window));
    QSignalSpy chosen(&window, &MainWindow::historyEntryChosen);
    emit window.emptyPage()->history()->rows()->itemClicked(window.emptyPage()->history()->rows()->item(0));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 0);
    window.header()->openHistory();
    EXPECT_TRUE(window.header()->historyPopup()->isVisible());
    window.header()->historyPopup()->hide();

    HistoryEntry kept(std::string(16 * 1024, 'k'), {"hex"}, true, 1);
    kept.fullSize = 300 * 1024;
    state.history = {kept};
    window.render(state);
    EXPECT_TRUE(visibleLabelTexts(window.emptyPage()->history())
                    .contains(QString::fromUtf8("\u2026 (first 16 KiB of 300 KiB)")));
}

} // namespace
