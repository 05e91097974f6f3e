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
};

} // namespace tindrel
