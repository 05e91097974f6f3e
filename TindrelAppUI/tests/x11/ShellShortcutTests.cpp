#include "../ModelFakes.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/platform/X11HotKeyBackend.h"
#include "TindrelAppUI/shell/AppShell.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "XServer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

// The whole path on a real X server: a key press another client would see as the global shortcut
// brings the hidden main window back with the clipboard decoded.
TEST(ShellShortcut, BringsTheWindowForwardWithTheClipboardLoaded) {
    if (xserver::xDisplay().isEmpty())
        GTEST_SKIP() << "no X server: " << xserver::xServerProblem().toStdString();
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is not installed: no way to press keys on the X server";
    MemoryDefaults defaults;
    defaults.setBoolean(OnboardingModel::completedKey, true);
    HotKeyManager hotKeys(defaults, makeX11HotKeyBackend());
    InspectorServices modelServices;
    modelServices.explanations =
        std::make_shared<tindrel::testing::FakeExplanations>(); // no model server probe
    InspectorModel model(defaults, {}, modelServices);
    ShellServices services;
    services.pasteboard = std::make_shared<ClipboardPasteboard>();
    services.tray = false;
    AppShell shell(defaults, model, hotKeys, {}, std::move(services));
    shell.start();
    ASSERT_EQ(hotKeys.status(), HotKeyManager::Status::active);
    shell.window().hide();
    QGuiApplication::clipboard()->setText(QStringLiteral("1733556842"));

    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                                {QStringLiteral("key"), QStringLiteral("alt+shift+space")}),
              0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.input() == "1733556842"; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell.window().isVisible(); }, 2000));
    ASSERT_NE(model.chain(), nullptr);
    EXPECT_TRUE(model.chain()->isRecognized());
    EXPECT_EQ(shell.onboarding().usageCount(), 1);
}

} // namespace
