#include "TindrelAppUI/shell/AppShell.h"

#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/platform/MailHandler.h"
#include "TindrelAppUI/platform/Pasteboard.h"
#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "TindrelAppUI/shell/PaletteCommands.h"
#include "TindrelAppUI/shell/ShortcutTip.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/tray/TrayController.h"
#include "TindrelAppUI/views/OnboardingSheet.h"
#include "TindrelAppUI/views/PaletteHost.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"

#include <QApplication>
#include <QShortcut>

namespace tindrel {
namespace {

void bringForward(QWidget& window) {
    if (window.isMinimized()) window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

ShellServices ShellServices::system() {
    ShellServices services;
    services.pasteboard = std::make_shared<ClipboardPasteboard>();
    services.makeSettings = &SettingsWindow::withSystemServices;
    services.colorScheme = makeSystemColorScheme();
    services.offerShare = MailHandler::available();
    services.registerHotKey = qEnvironmentVariable("XCODE_RUNNING_FOR_PREVIEWS") != QStringLiteral("1");
    services.quit = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };
    return services;
}

AppShell::AppShell(Defaults& defaults, InspectorModel& model, HotKeyManager& hotKeys,
                   const QStringList& arguments, ShellServices services, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , model_(model)
    , hotKeys_(hotKeys)
    , arguments_(arguments)
    , flags_(ShellFlags::parse(arguments))
    , services_(std::move(services))
    , onboarding_(std::make_unique<OnboardingModel>(defaults, arguments))
    , window_(std::make_unique<MainWindow>(services_.offerShare))
    , binding_(std::make_unique<InspectorBinding>(model, *window_)) {
    window_->keepLayoutIn(defaults_);
    feedShortcutTip(*binding_, *onboarding_, hotKeys_);
    palette_ = std::make_unique<PaletteHost>(*window_, [this] {
        return paletteCommands(model_, *services_.pasteboard, [this] { openSettings(); });
    });
    connect(window_.get(), &MainWindow::settingsRequested, this, &AppShell::openSettings);
    if (services_.tray) {
        tray_ = std::make_unique<TrayController>(model_, *services_.pasteboard);
        connect(tray_.get(), &TrayController::openRequested, this, &AppShell::showMainWindow);
        connect(tray_.get(), &TrayController::quitRequested, this, &AppShell::quit);
    }
    bindWindowKeys(*window_, tray_ && tray_->icon());
    followColorScheme();
}

AppShell::~AppShell() = default;

void AppShell::followColorScheme() {
    if (ColorSchemeSource* scheme = services_.colorScheme.get()) AppearancePref::followSystem(*scheme);
}

void AppShell::bindWindowKeys(QWidget& window, bool closable) {
    const auto bind = [&window](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, action);
    };
    if (&window == window_.get()) bind(settingsKeys, [this] { openSettings(); });
    bind(quitKeys, [this] { quit(); });
    if (closable) bind(closeKeys, [&window] { window.close(); });
}

void AppShell::quit() {
    if (services_.quit) services_.quit();
}

void AppShell::start() {
    applyAppearance();
    if (flags_.showSettings) {
        openSettings();
        return;
    }
    window_->show();
    if (services_.registerHotKey) hotKeys_.registerHotKey([this] { inspectClipboard(); });
    if (!onboarding_->completed()) showOnboarding();
    if (flags_.openHistory) window_->header()->openHistory();
    if (flags_.openPalette) palette_->open();
}

void AppShell::applyAppearance() {
    if (flags_.forceDark) {
        Theme::shared().setOverride(Appearance::dark);
        return;
    }
    AppearancePref::applyStored(defaults_);
}

void AppShell::showOnboarding() {
    if (!sheet_) {
        sheet_ = new OnboardingSheet(
            *onboarding_, hotKeys_, [this] { inspectClipboard(); }, window_.get());
    }
    sheet_->open();
}

void AppShell::inspectClipboard() {
    showMainWindow();
    model_.loadClipboard();
    onboarding_->recordUsage();
}

void AppShell::showMainWindow() {
    bringForward(*window_);
}

void AppShell::openSettings() {
    hotKeys_.prepareSettings(arguments_);
    if (!settings_ && services_.makeSettings) {
        settings_ = services_.makeSettings(hotKeys_, defaults_);
        if (settings_) bindWindowKeys(*settings_, true);
    }
    if (settings_) bringForward(*settings_);
}

void AppShell::handOver(const QStringList& arguments, std::function<void(HandOverFailure)> done) {
    handOvers_.push_back({arguments, std::move(done)});
    if (!handingOver_) nextHandOver();
}

void AppShell::nextHandOver() {
    handingOver_ = !handOvers_.empty();
    if (!handingOver_) return;
    HandOver next = std::move(handOvers_.front());
    handOvers_.pop_front();
    applyShellFlags(next.arguments);
    model_.applyHandedOver(LaunchFlags::parse(next.arguments),
                           [this, done = std::move(next.done)](const HandOverFailure& failure) {
                               done(failure);
                               // From the event loop, so a long queue never deepens the stack.
                               QMetaObject::invokeMethod(this, &AppShell::nextHandOver, Qt::QueuedConnection);
                           });
}

// The window flags of a later launch; the model applies the rest. A command line that only asks for
// an export leaves the windows as they are.
void AppShell::applyShellFlags(const QStringList& arguments) {
    const ShellFlags flags = ShellFlags::parse(arguments);
    const LaunchFlags launch = LaunchFlags::parse(arguments);
    if (flags.forceDark) Theme::shared().setOverride(Appearance::dark);
    hotKeys_.prepareSettings(arguments);
    const bool exportOnly = launch.dumpExportPath && !launch.inspectClipboard && !launch.askQuestion;
    if (flags.showSettings) {
        openSettings();
    } else if (!exportOnly || flags.openHistory || flags.openPalette) {
        showMainWindow();
    }
    if (launch.inspectClipboard) onboarding_->recordUsage();
    if (arguments.contains(QStringLiteral("--reset-onboarding"))) onboarding_->reset();
    if (arguments.contains(QStringLiteral("--reset-onboarding")) ||
        arguments.contains(QStringLiteral("--onboarding")))
        showOnboarding();
    if (flags.openHistory) window_->header()->openHistory();
    if (flags.openPalette) palette_->open();
}

} // namespace tindrel
