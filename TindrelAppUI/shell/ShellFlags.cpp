#include "TindrelAppUI/shell/ShellFlags.h"

namespace tindrel {

ShellFlags ShellFlags::parse(const QStringList& arguments) {
    ShellFlags flags;
    flags.forceDark = arguments.contains(QStringLiteral("--force-dark"));
    flags.openHistory = arguments.contains(QStringLiteral("--open-history"));
    flags.openPalette = arguments.contains(QStringLiteral("--open-palette"));
    flags.showSettings = arguments.contains(QStringLiteral("--show-settings"));
    return flags;
}

} // namespace tindrel
