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
#include <QDir>
#include <QStyleFactory>
#include <QTabWidget>
#include <QThreadPool>
#include <QTimer>
#include <cstdio>

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

// A later launch's command line: refused whole when it holds a flag a running app cannot honour,
// otherwise applied, and answered once everything it asked for is done or has failed.
void takeHandOver(AppShell& shell, const QStringList& arguments, const SingleInstance::Respond& respond) {
    if (std::optional<QString> refusal = DevFlags::refusedByRunningApp(arguments)) {
        respond({false, *refusal});
        return;
    }
    shell.handOver(arguments,
                   [&shell, flags = DevFlags::parse(arguments), respond](const HandOverFailure& failure) {
                       applyDevFlags(shell, flags);
                       respond({!failure.has_value(), failure.value_or(QString())});
                   });
}

// The second process's exit status: 0 only when the running app did everything asked for.
int reportHandOff(const SingleInstance::Reply& reply) {
    if (reply.done) return 0;
    for (const QString& line : reply.message.split(QLatin1Char('\n')))
        std::fprintf(stderr, "tindrel-app: %s\n", qUtf8Printable(line));
    return 1;
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
    // its command line to the running app instead of starting another, and waits for the outcome.
    SingleInstance instance;
    if (std::optional<SingleInstance::Reply> reply =
            instance.handOff(LaunchFlags::withAbsolutePaths(arguments, QDir::current())))
        return reportHandOff(*reply);

    SettingsDefaults defaults;
    ModelPref::applyStored(defaults);
    InspectorServices services;
    services.mediumDate = MediumDateText::formatter();
    InspectorModel model(defaults, arguments, services);
    AppShell shell(defaults, model, HotKeyManager::shared(), arguments, ShellServices::system());
    instance.listen([&shell](const QStringList& handed, const SingleInstance::Respond& respond) {
        takeHandOver(shell, handed, respond);
    });
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
