#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

namespace tindrel {

// The developer flags the inspector model applies at start. Arguments match whole; for the flags that
// take a value the first occurrence counts, and one given last, without its value, is ignored.
struct LaunchFlags {
    bool seedHistory = false;
    bool autoloadSample = false;
    bool scan = false;
    bool inspectClipboard = false;
    std::optional<QString> dumpExportPath;
    std::optional<QString> askQuestion;

    // `arguments` as the process received them; the program name in front matches no flag.
    static LaunchFlags parse(const QStringList& arguments);
    // `arguments` with the path that follows "--dump-export" made absolute against `directory`, for
    // a process that may run in another directory.
    static QStringList withAbsolutePaths(QStringList arguments, const QDir& directory);

    bool operator==(const LaunchFlags&) const = default;
};

} // namespace tindrel
