#include "TindrelAppUI/inspector/LaunchFlags.h"

namespace tindrel {
namespace {

std::optional<QString> valueAfter(const QStringList& arguments, const QString& flag) {
    qsizetype at = arguments.indexOf(flag);
    if (at < 0 || at + 1 >= arguments.size()) return std::nullopt;
    return arguments.at(at + 1);
}

} // namespace

LaunchFlags LaunchFlags::parse(const QStringList& arguments) {
    LaunchFlags flags;
    flags.seedHistory = arguments.contains("--seed-history");
    flags.autoloadSample = arguments.contains("--autoload-sample");
    flags.scan = arguments.contains("--scan");
    flags.inspectClipboard = arguments.contains("--inspect-clipboard");
    flags.dumpExportPath = valueAfter(arguments, "--dump-export");
    flags.askQuestion = valueAfter(arguments, "--ask");
    return flags;
}

QStringList LaunchFlags::withAbsolutePaths(QStringList arguments, const QDir& directory) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--dump-export"));
    if (at >= 0 && at + 1 < arguments.size())
        arguments[at + 1] = directory.absoluteFilePath(arguments[at + 1]);
    return arguments;
}

} // namespace tindrel
