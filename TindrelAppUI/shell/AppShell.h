#pragma once

#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/shell/ShellFlags.h"

#include <QKeySequence>
#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

namespace tindrel {

class Defaults;
class HotKeyManager;
class InspectorBinding;
class MainWindow;
class OnboardingModel;
class OnboardingSheet;
class PaletteHost;
class Pasteboard;
class SettingsWindow;
class TrayController;

// What the shell reaches outside itself; tests swap in fakes or leave parts out.
struct ShellServices {
    std::shared_ptr<Pasteboard> pasteboard;
    std::function<std::unique_ptr<SettingsWindow>(HotKeyManager&, Defaults&)> makeSettings;
    // The desktop's light or dark preference; without one the system appearance stays as the
    // platform palette suggests.
    std::unique_ptr<ColorSchemeSource> colorScheme;
    bool offerShare = false;
    bool tray = true;
    // Off where the shortcut must not be taken from the session (previews, some tests).
    bool registerHotKey = true;
    // Ends the application (Ctrl+Q, the tray's Quit); after the current event.
    std::function<void()> quit;

    // The session's clipboard, login item, model probe and colour scheme.
    static ShellServices system();
};

// Everything around the inspector model that makes the program a desktop application: the main
// window with its palette and onboarding, the tray, the settings window, the appearance and the
// global shortcut's Inspect Clipboard action.
class AppShell final : public QObject {
    Q_OBJECT
public:
    AppShell(Defaults& defaults, InspectorModel& model, HotKeyManager& hotKeys, const QStringList& arguments,
             ShellServices services, QObject* parent = nullptr);
    ~AppShell() override;

    // Shows the first window, then registers the shortcut, applies the appearance and shows
    // onboarding until it is completed; "--show-settings" shows the settings window instead.
    void start();
    // The global shortcut's action: the main window comes forward with the clipboard loaded, and the
    // use counts towards retiring the tip.
    void inspectClipboard();
    void showMainWindow();
    void openSettings();
    // The command line of a later launch, handed over to this running app: applied as a start would
    // apply it, one command line at a time in the order they came (a later one waits while an earlier
    // one waits for its input to be decoded). `done` learns whether everything asked for was done.
    void handOver(const QStringList& arguments, std::function<void(HandOverFailure)> done);

    MainWindow& window() const { return *window_; }
    OnboardingModel& onboarding() const { return *onboarding_; }
    PaletteHost& palette() const { return *palette_; }
    // Null until shown.
    OnboardingSheet* onboardingSheet() const { return sheet_; }
    SettingsWindow* settings() const { return settings_.get(); }
    // Null when the shell was made without a tray.
    TrayController* tray() const { return tray_.get(); }

    // The desktop's window keys, where the window shows them: Ctrl+, opens Settings, Ctrl+Q quits,
    // Ctrl+W closes the window (the main window only where the tray keeps the app reachable).
    static inline const QKeySequence settingsKeys{Qt::CTRL | Qt::Key_Comma};
    static inline const QKeySequence quitKeys{Qt::CTRL | Qt::Key_Q};
    static inline const QKeySequence closeKeys{Qt::CTRL | Qt::Key_W};

private:
    void bindWindowKeys(QWidget& window, bool closable);
    void quit();
    struct HandOver {
        QStringList arguments;
        std::function<void(HandOverFailure)> done;
    };

    void nextHandOver();
    void applyShellFlags(const QStringList& arguments);
    void applyAppearance();
    void showOnboarding();
    void followColorScheme();

    Defaults& defaults_;
    InspectorModel& model_;
    HotKeyManager& hotKeys_;
    QStringList arguments_;
    ShellFlags flags_;
    ShellServices services_;
    std::unique_ptr<OnboardingModel> onboarding_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<InspectorBinding> binding_;
    std::unique_ptr<PaletteHost> palette_;
    std::unique_ptr<TrayController> tray_;
    std::unique_ptr<SettingsWindow> settings_;
    OnboardingSheet* sheet_ = nullptr;
    std::deque<HandOver> handOvers_;
    bool handingOver_ = false;
};

} // namespace tindrel
