#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tindrel {

// The window's own launch flags, besides those the inspector model reads. "--quit-after-ms N" and
// "--screenshot PATH" exist for the smoke test and the screenshot script: the app quits by itself
// after N milliseconds, saving a picture of the window first when a path is given.
struct DevFlags {
    bool forceDark = false;
    bool openHistory = false;
    std::optional<int> quitAfterMs;
    std::optional<QString> screenshotPath;

    static DevFlags parse(const QStringList& arguments);
};

} // namespace tindrel
