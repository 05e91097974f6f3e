#pragma once

#include <QIcon>

namespace tindrel {

// The pictures the screens use, by meaning. Each comes from the desktop's icon theme (freedesktop
// names) and falls back to one of the style's standard icons when the theme lacks it.
enum class Symbol {
    history,
    clipboard,
    settings,
    exportResult,
    lock,
    warning,
    critical,
    question,
    arrowRight,
    back,
    copy,
    check,
    send,
    logScan,
    appearance,
};

QIcon symbol(Symbol which);

} // namespace tindrel
