#include "TindrelAppUI/views/CommandPalette.h"
#include "TindrelAppUI/views/PaletteHost.h"
#include "WidgetTexts.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::visibleLabelTexts;

namespace {

struct PaletteWindow : ::testing::Test {
    QWidget window;
    CommandPalette* palette = new CommandPalette(&window);
    std::map<QString, int> runs;

    PaletteWindow() {
        window.resize(900, 600);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    std::vector<PaletteCommand> commands(const QStringList& titles) {
        std::vector<PaletteCommand> list;
        for (const QString& title : titles)
            list.push_back(
                {QUuid::createUuid(), title, "doc.on.doc", std::nullopt, [this, title] { ++runs[title]; }});
        return list;
    }

    void openStandard() {
        palette->open(commands({"Inspect clipboard", "Load sample artifact", "Copy decoded value",
                                "Copy explanation", "Settings\u2026"}));
    }

    void key(Qt::Key which) { QTest::keyClick(palette->searchField(), which); }
};

TEST_F(PaletteWindow, OpensOverTheWindowWithTheSearchFieldFocused) {
    openStandard();
    EXPECT_TRUE(palette->isOpen());
    EXPECT_EQ(palette->geometry(), window.rect());
    EXPECT_EQ(QApplication::focusWidget(), palette->searchField());
    EXPECT_EQ(palette->searchField()->placeholderText(), "Type a command\u2026");
    EXPECT_EQ(palette->query(), "");
    EXPECT_EQ(palette->selected(), 0);
    EXPECT_EQ(palette->visibleTitles().size(), 5);
    EXPECT_EQ(palette->list()->currentRow(), 0);
}

TEST_F(PaletteWindow, TypingFiltersAndResetsTheSelection) {
    openStandard();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(palette->selected(), 2);
    QTest::keyClicks(palette->searchField(), "COPY");
    EXPECT_EQ(palette->visibleTitles(), QStringList({"Copy decoded value", "Copy explanation"}));
    EXPECT_EQ(palette->selected(), 0);
    EXPECT_EQ(palette->list()->count(), 2);
    EXPECT_FALSE(visibleLabelTexts(palette).contains("No matching command"));
}

TEST_F(PaletteWindow, ArrowsStopAtTheEndsAndAreConsumed) {
    openStandard();
    QTest::keyClicks(palette->searchField(), "co");
    for (int press = 0; press < 10; ++press)
        key(Qt::Key_Down);
    EXPECT_EQ(palette->visibleTitles().size(), 2);
    EXPECT_EQ(palette->selected(), 1);
    EXPECT_EQ(palette->list()->currentRow(), 1);
    EXPECT_EQ(palette->query(), "co");
    EXPECT_EQ(palette->searchField()->cursorPosition(), 2);
    for (int press = 0; press < 10; ++press)
        key(Qt::Key_Up);
    EXPECT_EQ(palette->selected(), 0);
    EXPECT_EQ(palette->searchField()->cursorPosition(), 2) << "Up must not reach the field";
}

TEST_F(PaletteWindow, ReturnRunsTheSelectedCommandThenCloses) {
    openStandard();
    QSignalSpy closed(palette, &CommandPalette::closed);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(runs, (std::map<QString, int>{{"Load sample artifact", 1}}));
    EXPECT_FALSE(palette->isOpen());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(PaletteWindow, EscapeClosesWithoutRunning) {
    openStandard();
    QSignalSpy closed(palette, &CommandPalette::closed);
    key(Qt::Key_Escape);
    EXPECT_FALSE(palette->isOpen());
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(PaletteWindow, NoMatchShowsTheMessageAndReturnDoesNothing) {
    openStandard();
    QTest::keyClicks(palette->searchField(), "zebra");
    EXPECT_TRUE(palette->visibleTitles().isEmpty());
    EXPECT_TRUE(visibleLabelTexts(palette).contains("No matching command"));
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(palette->isOpen());
    EXPECT_TRUE(runs.empty());
}

TEST_F(PaletteWindow, ClickingARowRunsIt) {
    openStandard();
    QListWidget* list = palette->list();
    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(runs, (std::map<QString, int>{{"Copy decoded value", 1}}));
    EXPECT_FALSE(palette->isOpen());
}

TEST_F(PaletteWindow, ClickOnTheBackdropClosesButNotOnTheCard) {
    openStandard();
    const QRect card = palette->searchField()->parentWidget()->geometry();
    QTest::mouseClick(palette, Qt::LeftButton, {}, card.topLeft() + QPoint(3, 3));
    EXPECT_TRUE(palette->isOpen());
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(5, window.height() - 5));
    EXPECT_FALSE(palette->isOpen());
    EXPECT_TRUE(runs.empty());
}

struct Host : ::testing::Test {
    QWidget window;
    int built = 0;
    PaletteHost host{window, [this] {
                         ++built;
                         return std::vector<PaletteCommand>{{QUuid::createUuid(),
                                                             QStringLiteral("Build %1").arg(built),
                                                             "gearshape", std::nullopt, [] {}}};
                     }};

    Host() {
        window.resize(800, 500);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(Host, ControlKTogglesWithFreshCommands) {
    EXPECT_EQ(host.shortcut()->key(), QKeySequence(Qt::CTRL | Qt::Key_K));
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(host.palette()->isOpen());
    EXPECT_EQ(host.palette()->visibleTitles(), QStringList({"Build 1"}));
    QTest::keyClick(host.palette()->searchField(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_FALSE(host.palette()->isOpen());
    host.toggle();
    EXPECT_EQ(host.palette()->visibleTitles(), QStringList({"Build 2"}));
    EXPECT_EQ(built, 2);
}

TEST(PaletteHostEarly, OpenBeforeTheWindowShowsStaysOpen) {
    QWidget hidden;
    PaletteHost early(hidden, [] { return std::vector<PaletteCommand>{}; });
    early.open();
    EXPECT_TRUE(early.palette()->isOpen());
    hidden.show();
    EXPECT_TRUE(early.palette()->isVisible());
}

} // namespace
