#include "DevFlags.h"

namespace tindrel {
namespace {

std::optional<QString> valueAfter(const QStringList& arguments, const QString& flag) {
    const qsizetype at = arguments.indexOf(flag);
    if (at < 0 || at + 1 >= arguments.size()) return std::nullopt;
    return arguments[at + 1];
}

std::optional<int> countAfter(const QStringList& arguments, const QString& flag) {
    const std::optional<QString> text = valueAfter(arguments, flag);
    if (!text) return std::nullopt;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < 0) return std::nullopt;
    return value;
}

} // namespace

DevFlags DevFlags::parse(const QStringList& arguments) {
    DevFlags flags;
    flags.quitAfterMs = countAfter(arguments, QStringLiteral("--quit-after-ms"));
    flags.screenshotPath = valueAfter(arguments, QStringLiteral("--screenshot"));
    flags.settingsTab = countAfter(arguments, QStringLiteral("--settings-tab"));
    flags.openTray = arguments.contains(QStringLiteral("--open-tray"));
    return flags;
}

std::optional<QString> DevFlags::refusedByRunningApp(const QStringList& arguments) {
    for (const char* flag : {"--quit-after-ms", "--screenshot"}) {
        if (arguments.contains(QLatin1String(flag)))
            return QLatin1String(flag) +
                   QStringLiteral(" only applies to a Tindrel that is starting, and one is already running");
    }
    return std::nullopt;
}

} // namespace tindrel
