#include "DevFlags.h"
#include "Screenshot.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/inspector/MediumDateText.h"
#include "TindrelAppUI/settings/ModelPref.h"
#include "TindrelAppUI/settings/SettingsDefaults.h"
#include "TindrelAppUI/shell/AppShell.h"
#include "TindrelAppUI/shell/DesktopIdentity.h"
#include "TindrelAppUI/shell/SingleInstance.h"
#include "TindrelAppUI/tray/TrayController.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTabWidget>
#include <QThreadPool>
#include <QTimer>

using namespace tindrel;

namespace {

constexpr int shutdownGraceMs = 5000;

void scheduleQuit(AppShell& shell, const DevFlags& flags) {
    if (!flags.quitAfterMs) return;
    QTimer::singleShot(*flags.quitAfterMs, &shell, [&shell, path = flags.screenshotPath] {
        if (path) saveScreenshot(shell.window(), *path);
        QApplication::quit();
    });
}

void applyDevFlags(AppShell& shell, const DevFlags& flags) {
    if (flags.settingsTab) {
        shell.openSettings();
        if (shell.settings()) shell.settings()->tabs()->setCurrentIndex(*flags.settingsTab);
    }
    if (flags.openTray && shell.tray()) shell.tray()->togglePanel();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tindrel"));
    QApplication::setApplicationVersion(QStringLiteral(TINDREL_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    DesktopIdentity::apply();
    const QStringList arguments = QApplication::arguments();
    const DevFlags flags = DevFlags::parse(arguments);

    // A second launch (a desktop key binding running "tindrel-app --inspect-clipboard", say) passes
    // its command line to the running app instead of starting another.
    SingleInstance instance;
    if (instance.handOff(arguments)) return 0;

    SettingsDefaults defaults;
    ModelPref::applyStored(defaults);
    InspectorServices services;
    services.mediumDate = MediumDateText::formatter();
    InspectorModel model(defaults, arguments, services);
    AppShell shell(defaults, model, HotKeyManager::shared(), arguments, ShellServices::system());
    instance.listen([&shell](const QStringList& handed) { shell.handOver(handed); });
    shell.start();
    // With a tray icon the app keeps running there after its windows close.
    QApplication::setQuitOnLastWindowClosed(!shell.tray() || !shell.tray()->icon());
    applyDevFlags(shell, flags);
    scheduleQuit(shell, flags);
    const int status = QApplication::exec();
    // Decodes, explanations and answers still being produced finish before the process ends, so no
    // worker thread is cut off in the middle of a call.
    InspectorModel::waitForWorkers(shutdownGraceMs);
    QThreadPool::globalInstance()->waitForDone(shutdownGraceMs);
    return status;
}
