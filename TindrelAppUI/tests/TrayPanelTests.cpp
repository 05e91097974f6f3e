#include "ModelFakes.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelAppUI/tray/TrayController.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/TrayPanel.h"
#include "WidgetTexts.h"

#include <QCursor>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::buttonTitled;
using testing_support::visibleLabelTexts;

namespace {

const QString noChain = QStringLiteral("Copy a token / payload / error, then Inspect Clipboard.");
const QString unrecognized =
    QString::fromUtf8("Not recognized \u2014 open Tindrel for the full result or more context.");

// Plain words of exactly `length` characters, as Base64: one step whose final value is those words.
std::string encodedWords(int length) {
    QByteArray words;
    while (words.size() < length)
        words += "the quick brown fox jumps over the lazy dog ";
    words.truncate(length);
    words[length - 1] = '.';
    return words.toBase64().toStdString();
}

struct TrayPanelFixture : ::testing::Test {
    MemoryDefaults defaults;
    std::shared_ptr<tindrel::testing::FakePasteboard> pasteboard =
        std::make_shared<tindrel::testing::FakePasteboard>();
    InspectorModel model{defaults, {}, services()};

    InspectorServices services() {
        InspectorServices s;
        s.explanations = std::make_shared<tindrel::testing::FakeExplanations>();
        s.pasteboard = pasteboard;
        return s;
    }
};

struct PanelTest : TrayPanelFixture {
    TrayPanel panel{model, *pasteboard};

    bool previewShown() const { return panel.valueView()->isVisibleTo(&panel); }
    QStringList texts() const { return visibleLabelTexts(&panel); }
};

TEST_F(PanelTest, ShowsTheFallbackThatMatchesTheModel) {
    EXPECT_TRUE(texts().contains(noChain));
    EXPECT_FALSE(previewShown());

    model.setInput("just some plain words here");
    ASSERT_TRUE(model.chain());
    ASSERT_FALSE(model.chain()->isRecognized());
    EXPECT_TRUE(texts().contains(unrecognized));
    EXPECT_FALSE(texts().contains(noChain));
    EXPECT_FALSE(previewShown());

    model.clearInput();
    EXPECT_TRUE(texts().contains(noChain));
}

TEST_F(PanelTest, ARecognisedChainShowsItsShapeAndValue) {
    model.setInput(encodedWords(30));
    ASSERT_TRUE(model.chain() && model.chain()->isRecognized());
    EXPECT_TRUE(previewShown());
    EXPECT_TRUE(texts().contains(QString::fromStdString(model.chain()->shapeText())));
    EXPECT_EQ(panel.valueView()->toPlainText(), QString::fromStdString(model.chain()->finalValue()));
    EXPECT_FALSE(texts().contains(noChain));
    EXPECT_FALSE(texts().contains(unrecognized));
}

struct LengthCase {
    int length;
    bool cut;
};

class PanelValueLength : public TrayPanelFixture, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(PanelValueLength, CutsTheShownValueButCopiesItWhole) {
    TrayPanel panel(model, *pasteboard);
    model.setInput(encodedWords(GetParam().length));
    ASSERT_TRUE(model.chain() && model.chain()->isRecognized());
    const QString full = QString::fromStdString(model.chain()->finalValue());
    ASSERT_EQ(full.size(), GetParam().length);

    const QString shown = panel.valueView()->toPlainText();
    EXPECT_EQ(shown, GetParam().cut ? full.left(240) + QChar(0x2026) : full);

    panel.copyButton()->click();
    EXPECT_EQ(pasteboard->contents, full);
    EXPECT_EQ(pasteboard->writes, 1);
}

INSTANTIATE_TEST_SUITE_P(Lengths, PanelValueLength,
                         ::testing::Values(LengthCase{239, false}, LengthCase{240, false},
                                           LengthCase{241, true}, LengthCase{600, true}),
                         [](const ::testing::TestParamInfo<LengthCase>& param) {
                             return "length" + std::to_string(param.param.length);
                         });

TEST_F(PanelTest, InspectClipboardLoadsItIntoTheModel) {
    pasteboard->contents = QString::fromStdString(encodedWords(20));
    QAbstractButton* inspect = buttonTitled(&panel, QStringLiteral("Inspect Clipboard"));
    ASSERT_TRUE(inspect);
    inspect->click();
    EXPECT_EQ(model.input(), encodedWords(20));
    EXPECT_TRUE(previewShown());
}

TEST_F(PanelTest, OpenAndQuitAreForwarded) {
    QSignalSpy opened(&panel, &TrayPanel::openRequested);
    QSignalSpy quit(&panel, &TrayPanel::quitRequested);
    buttonTitled(&panel, QStringLiteral("Open Tindrel"))->click();
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(quit.count(), 0);
    buttonTitled(&panel, QStringLiteral("Quit"))->click();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(opened.count(), 1);
}

struct ControllerTest : TrayPanelFixture {
    TrayController controller{model, *pasteboard};

    void TearDown() override { controller.panel()->hide(); }
};

TEST_F(ControllerTest, AnIconOnlyWhereThereIsATray) {
    EXPECT_EQ(controller.icon() != nullptr, QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_FALSE(controller.isShown());
}

TEST_F(ControllerTest, TogglesThePanelOnTheScreen) {
    controller.togglePanel();
    ASSERT_TRUE(controller.isShown());
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(controller.panel()->frameGeometry()));
    controller.togglePanel();
    EXPECT_FALSE(controller.isShown());
}

// Opened near the bottom of the screen with nothing inspected, the panel is short; Inspect Clipboard
// then grows it with the decoded preview, and it moves up rather than past the screen's edge.
TEST_F(ControllerTest, TheOpenPanelStaysOnTheScreenAsItGrows) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCursor::setPos(available.right() - 10, available.bottom() - 10);
    controller.togglePanel();
    ASSERT_TRUE(controller.isShown());
    const QRect before = controller.panel()->geometry();
    pasteboard->contents = QString::fromStdString(encodedWords(240));
    controller.panel()->inspectButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.panel()->height() > before.height(); }));
    QTest::qWait(20);
    const QRect after = controller.panel()->geometry();
    EXPECT_TRUE(available.contains(after)) << after.y() << '+' << after.height();
    EXPECT_LT(after.top(), before.top()) << "it grows upwards from the bottom edge";
    EXPECT_LT(after.bottom(), QCursor::pos().y()) << "and stays above the pointer it hangs from";
}

TEST_F(ControllerTest, TheClickThatDismissedThePanelDoesNotReopenIt) {
    controller.togglePanel();
    controller.panel()->hide(); // a click outside closes a popup before the icon hears of it
    controller.togglePanel();
    EXPECT_FALSE(controller.isShown());
    QTest::qWait(TrayController::dismissClickMs + 50);
    controller.togglePanel();
    EXPECT_TRUE(controller.isShown());
}

TEST_F(ControllerTest, CtrlShiftVInThePanelInspectsTheClipboard) {
    pasteboard->contents = QString::fromStdString(encodedWords(25));
    controller.togglePanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.panel()->inspectButton()->hasFocus(); }, 2000));
    QTest::keyClick(controller.panel()->inspectButton(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(model.input(), encodedWords(25));
    EXPECT_TRUE(controller.isShown()) << "inspecting keeps the panel open";
}

TEST_F(ControllerTest, CtrlVAloneDoesNotInspect) {
    pasteboard->contents = QStringLiteral("something");
    controller.togglePanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.panel()->inspectButton()->hasFocus(); }, 2000));
    QTest::keyClick(controller.panel()->inspectButton(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(model.input(), std::string());
}

TEST_F(ControllerTest, OpenTindrelClosesThePanel) {
    QSignalSpy opened(&controller, &TrayController::openRequested);
    QSignalSpy quit(&controller, &TrayController::quitRequested);
    controller.togglePanel();
    buttonTitled(controller.panel(), QStringLiteral("Open Tindrel"))->click();
    EXPECT_EQ(opened.count(), 1);
    EXPECT_FALSE(controller.isShown());
    buttonTitled(controller.panel(), QStringLiteral("Quit"))->click();
    EXPECT_EQ(quit.count(), 1);
}

} // namespace
