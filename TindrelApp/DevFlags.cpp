#include "DevFlags.h"

namespace tindrel {
namespace {

std::optional<QString> valueAfter(const QStringList& arguments, const QString& flag) {
    const qsizetype at = arguments.indexOf(flag);
    if (at < 0 || at + 1 >= arguments.size()) return std::nullopt;
    return arguments[at + 1];
}

} // namespace

DevFlags DevFlags::parse(const QStringList& arguments) {
    DevFlags flags;
    flags.forceDark = arguments.contains(QStringLiteral("--force-dark"));
    flags.openHistory = arguments.contains(QStringLiteral("--open-history"));
    if (const auto ms = valueAfter(arguments, QStringLiteral("--quit-after-ms"))) {
        bool ok = false;
        const int value = ms->toInt(&ok);
        if (ok && value >= 0) flags.quitAfterMs = value;
    }
    flags.screenshotPath = valueAfter(arguments, QStringLiteral("--screenshot"));
    return flags;
}

} // namespace tindrel
