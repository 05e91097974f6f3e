#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelAppUI/tests/ModelFakes.h"
#include "TindrelAppUI/tray/TrayController.h"
#include "TindrelAppUI/views/TrayPanel.h"
#include "XServer.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

// Until the tray has taken the icon in, its window sits unplaced at the screen's origin.
bool docked(const QSystemTrayIcon& icon) {
    const QRect at = icon.geometry();
    return !at.isEmpty() && at.topLeft() != QPoint(0, 0);
}

bool click(const QPoint& at) {
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                              QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

// A plain X server has no tray; trayer is a small stand-alone one that docks icons along the top edge.
struct TrayOnX11 : ::testing::Test {
    QProcess trayer;
    MemoryDefaults defaults;
    std::shared_ptr<tindrel::testing::FakePasteboard> pasteboard =
        std::make_shared<tindrel::testing::FakePasteboard>();
    std::unique_ptr<InspectorModel> model;

    void SetUp() override {
        if (xserver::xDisplay().isEmpty())
            GTEST_SKIP() << "no X server: " << xserver::xServerProblem().toStdString();
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            GTEST_SKIP() << "trayer is not installed: no tray to dock in";
        ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "a tray is already running";
        trayer.start(QStringLiteral("trayer"),
                     {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                      QStringLiteral("right"), QStringLiteral("--height"), QStringLiteral("24")});
        ASSERT_TRUE(trayer.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000))
            << "trayer did not claim the tray";
        InspectorServices services;
        services.explanations = std::make_shared<tindrel::testing::FakeExplanations>();
        services.pasteboard = pasteboard;
        model = std::make_unique<InspectorModel>(defaults, QStringList(), services);
    }

    void TearDown() override {
        if (trayer.state() == QProcess::NotRunning) return;
        trayer.terminate();
        if (!trayer.waitForFinished(3000)) trayer.kill();
        trayer.waitForFinished(3000);
        EXPECT_TRUE(QTest::qWaitFor([] { return !QSystemTrayIcon::isSystemTrayAvailable(); }, 3000))
            << "the tray outlived trayer";
    }
};

TEST_F(TrayOnX11, TheIconDocksWithARealGeometry) {
    TrayController controller(*model, *pasteboard);
    ASSERT_TRUE(controller.icon());
    EXPECT_TRUE(controller.icon()->isVisible());
    EXPECT_EQ(controller.icon()->toolTip(), QStringLiteral("Tindrel"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return docked(*controller.icon()); }, 5000))
        << "the icon never got a place in the tray";
    const QRect icon = controller.icon()->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(icon))
        << icon.x() << ',' << icon.y() << ' ' << icon.width() << 'x' << icon.height();
    EXPECT_LT(icon.top(), 40) << "trayer sits on the top edge";
    EXPECT_GT(icon.left(), screen.center().x()) << "trayer is aligned to the right";
}

TEST_F(TrayOnX11, ClickingTheIconOpensThePanelBelowItAndAgainClosesIt) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is not installed: no way to click the icon";
    TrayController controller(*model, *pasteboard);
    ASSERT_TRUE(controller.icon());
    ASSERT_TRUE(QTest::qWaitFor([&] { return docked(*controller.icon()); }, 5000));
    const QRect icon = controller.icon()->geometry();

    ASSERT_TRUE(click(icon.center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.isShown(); }, 3000)) << "the click did not open it";
    const QRect panel = controller.panel()->frameGeometry();
    EXPECT_GE(panel.top(), icon.bottom()) << "the panel hangs below a top-edge icon";
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(panel));

    ASSERT_TRUE(click(icon.center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.isShown(); }, 3000));
    QTest::qWait(TrayController::dismissClickMs);
    EXPECT_FALSE(controller.isShown()) << "the closing click opened the panel again";
}

} // namespace
