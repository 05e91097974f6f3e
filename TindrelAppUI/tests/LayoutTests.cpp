#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/views/CommandPalette.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/FollowUpSection.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/result/HistoryList.h"
#include "TindrelAppUI/views/result/InsightPane.h"
#include "TindrelAppUI/views/result/ScanList.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "WidgetTexts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::visibleLabelTexts;

namespace {

ScreenState scanState() {
    ScreenState state;
    state.scene = ScreenState::Scene::scan;
    state.input = QString::fromUtf8(Samples::log.data(), static_cast<qsizetype>(Samples::log.size()));
    state.findings = Tindrel::scan(Samples::log);
    state.insightChain = std::make_shared<const DecodeChain>(state.findings.at(0).chain);
    return state;
}

// Shown at `size`, with every pending layout done.
void showAt(QWidget& window, QSize size) {
    window.resize(size);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
}

struct ScanSplitCase {
    const char* name;
    int needed;
    int total;
    std::optional<int> chosen;
    int expected;
};

class ScanListHeight : public testing::TestWithParam<ScanSplitCase> {};

TEST_P(ScanListHeight, RowsNeedsUpToAShareOrTheChosenHeight) {
    const ScanSplitCase& c = GetParam();
    EXPECT_EQ(MainWindow::scanListHeight(c.needed, c.total, c.chosen), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Splits, ScanListHeight,
    testing::Values(ScanSplitCase{"fewRowsFit", 150, 500, std::nullopt, 150},
                    ScanSplitCase{"manyRowsCapped", 4000, 500, std::nullopt, 225},
                    ScanSplitCase{"oneRowKeepsTheMinimum", 40, 500, std::nullopt, MainWindow::minScanList},
                    ScanSplitCase{"chosenIsKept", 150, 500, 300, 300},
                    ScanSplitCase{"chosenLeavesTheDetailsTheirMinimum", 150, 500, 480,
                                  500 - MainWindow::minScanDetails},
                    ScanSplitCase{"chosenNotBelowTheMinimum", 150, 500, 10, MainWindow::minScanList},
                    ScanSplitCase{"tinyPageShareStillApplies", 400, 200, std::nullopt, 90},
                    ScanSplitCase{"tinyPageGivesTheListAtMostHalf", 150, 200, 180, 100}),
    [](const testing::TestParamInfo<ScanSplitCase>& param) { return param.param.name; });

// At the default size the four findings of the sample log show without scrolling and the selected
// finding's details get the larger part; at the minimum size the details still get room.
TEST(ScanPage, TheListTakesItsRowsAndTheDetailsTheRest) {
    for (const QSize size : {MainWindow::defaultSize, MainWindow::minimumContentSize}) {
        MainWindow window(false);
        MemoryDefaults store;
        window.keepLayoutIn(store);
        window.render(scanState());
        showAt(window, size);
        const QList<int> sizes = window.scanSplitter()->sizes();
        ASSERT_EQ(sizes.size(), 2);
        EXPECT_GT(sizes[1], sizes[0]) << size.height();
        EXPECT_GE(sizes[1], MainWindow::minScanDetails) << size.height();
        if (size == MainWindow::defaultSize) {
            EXPECT_EQ(window.scanList()->rows()->verticalScrollBar()->maximum(), 0) << "the four rows fit";
        }
    }
}

TEST(ScanPage, TheChosenListHeightAndTheWindowGeometryAreRemembered) {
    MemoryDefaults store;
    {
        MainWindow window(false);
        window.keepLayoutIn(store);
        window.render(scanState());
        showAt(window, QSize(900, 640));
        window.move(40, 30);
        window.scanSplitter()->setSizes({260, window.scanSplitter()->height() - 260});
        emit window.scanSplitter()->splitterMoved(260, 1);
        window.hide();
    }
    EXPECT_EQ(store.integer(MainWindow::scanListKey), 260);
    MainWindow again(false);
    again.keepLayoutIn(store);
    again.render(scanState());
    EXPECT_EQ(again.size(), QSize(900, 640));
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.scanSplitter()->sizes().value(0), 260);
}

TEST(InsightPane, SaysDecodingWhileTheInputIsDecoded) {
    MainWindow window(false);
    ScreenState state;
    state.scene = ScreenState::Scene::decoding;
    state.input = QStringLiteral("x");
    window.render(state);
    const QStringList texts = visibleLabelTexts(window.insight());
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Decoding\u2026"))) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains(
        QStringLiteral("Paste a token, error, certificate, log, or payload to understand it.")));
}

// A short pane scrolls; after each question the field and the newest answer right above it are in view.
TEST(FollowUpSection, AskingKeepsTheFieldAndTheNewestAnswerInView) {
    QScrollArea area;
    area.setWidgetResizable(true);
    auto* pane = new InsightPane;
    area.setWidget(pane);
    pane->showReady(std::make_shared<const DecodeChain>(Tindrel::inspect(Samples::token)),
                    QStringLiteral("An explanation."));
    showAt(area, QSize(360, 260));
    std::vector<FollowUpSection::Item> items;
    for (int asked = 1; asked <= 4; ++asked) {
        items.push_back(
            {QStringLiteral("question %1?").arg(asked), QStringLiteral("A long answer. ").repeated(12)});
        pane->setFollowUps(items);
        QTest::qWait(30);
        const QRect view = area.viewport()->rect();
        QLineEdit* field = pane->followUps()->field();
        const QRect fieldArea(field->mapTo(area.viewport(), QPoint()), field->size());
        EXPECT_TRUE(view.contains(fieldArea)) << "after question " << asked;
        EXPECT_GT(area.verticalScrollBar()->value(), 0) << "after question " << asked;
    }
}

TEST(CommandPalette, ShowsEveryCommandWithoutScrollingWhenTheWindowHasRoom) {
    std::vector<PaletteCommand> commands;
    for (int i = 0; i < 11; ++i)
        commands.push_back({QUuid::createUuid(), QStringLiteral("Command %1").arg(i), "doc.on.doc", {}, {}});
    struct Case {
        QSize window;
        bool allShown;
    };
    for (const Case& c : {Case{MainWindow::defaultSize, true}, Case{MainWindow::minimumContentSize, true},
                          Case{QSize(600, 320), false}}) {
        QWidget window;
        auto* palette = new CommandPalette(&window);
        showAt(window, c.window);
        palette->open(commands);
        QTest::qWait(20);
        QListWidget* list = palette->list();
        EXPECT_EQ(list->verticalScrollBar()->maximum() == 0, c.allShown) << c.window.height();
        const QRect card = palette->findChild<QFrame*>()->geometry();
        EXPECT_LE(card.bottom(), window.height()) << c.window.height() << ": the card fits the window";
    }
}

std::vector<HistoryEntry> entries(int count, const std::string& input) {
    std::vector<HistoryEntry> list;
    for (int i = 0; i < count; ++i)
        list.emplace_back(input + std::to_string(i), std::vector<std::string>{"jwt", "json"}, true, i);
    return list;
}

TEST(HistoryList, CutsLongInputsWithAnEllipsis) {
    HistoryList list;
    list.setEntries(entries(1, std::string(2000, 'x') + "\n"), 50);
    showAt(list, QSize(320, 200));
    const auto* row = list.findChild<ElidedLabel*>();
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->shownText().endsWith(QChar(0x2026))) << row->shownText().toStdString();
    EXPECT_LT(row->shownText().size(), 200);
    list.setEntries(entries(1, "short"), 50);
    QTest::qWait(20);
    EXPECT_EQ(list.findChild<ElidedLabel*>()->shownText(), QStringLiteral("short0"));
}

// The popup is as tall as its rows: a few rows give a short popup with nothing to scroll.
TEST(HistoryPopup, SizesToItsRows) {
    std::map<int, int> heights;
    for (int count : {0, 3, 8}) {
        QWidget window;
        auto* header = new HeaderBar(false, &window);
        header->historyList()->setEntries(entries(count, "token"), 50);
        showAt(window, QSize(900, 100));
        header->openHistory();
        QTest::qWait(20);
        heights[count] = header->historyPopup()->height();
        if (count > 0) {
            EXPECT_EQ(header->historyList()->rows()->verticalScrollBar()->maximum(), 0) << count << " rows";
        }
        header->historyPopup()->hide();
    }
    EXPECT_LT(heights[0], heights[3]);
    EXPECT_LT(heights[3], heights[8]);
}

// "Copied" never changes the button's width nor moves the button beside it.
TEST(CopyButton, ConfirmingKeepsItsWidthAndItsNeighbour) {
    for (const char* title : {"Copy", "Copy explanation"}) {
        QWidget row;
        auto* layout = new QHBoxLayout(&row);
        auto* button = new CopyButton(QString::fromLatin1(title), [] { return QStringLiteral("x"); });
        auto* neighbour = new CopyButton(QStringLiteral("Copy JSON"), [] { return QStringLiteral("y"); });
        layout->addWidget(button);
        layout->addWidget(neighbour);
        layout->addStretch();
        showAt(row, QSize(600, 60));
        const int width = button->width();
        const int neighbourAt = neighbour->x();
        button->click();
        QTest::qWait(20);
        EXPECT_EQ(button->text(), CopyButton::confirmation);
        EXPECT_EQ(button->width(), width) << title;
        EXPECT_EQ(neighbour->x(), neighbourAt) << title;
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(CopyButton::confirmation))
            << title;
    }
}

} // namespace
