#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tindrel {

// Flags for the smoke test and the screenshot script, besides the launch flags the app's parts read:
// "--quit-after-ms N" quits after N milliseconds, saving a picture of the screen first with
// "--screenshot PATH"; "--settings-tab N" opens the settings window on its N-th tab (from 0);
// "--open-tray" opens the tray panel.
struct DevFlags {
    std::optional<int> quitAfterMs;
    std::optional<QString> screenshotPath;
    std::optional<int> settingsTab;
    bool openTray = false;

    static DevFlags parse(const QStringList& arguments);
    // "--quit-after-ms" and "--screenshot" belong to a run of their own: handed to a running app they
    // would quit it or picture it at a moment nobody chose. Why such a command line is refused.
    static std::optional<QString> refusedByRunningApp(const QStringList& arguments);
};

} // namespace tindrel
