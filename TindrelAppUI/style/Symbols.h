#pragma once

#include <QIcon>
#include <QStringView>
#include <optional>

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
    sample,
    clearInput,
    quote,
    richText,
    braces,
    undo,
    clearHistory,
    search,
    appearance,
};

QIcon symbol(Symbol which);

// The symbol behind a portable symbol name such as "doc.on.clipboard", as commands name their icons;
// nothing for a name the app does not draw.
std::optional<Symbol> symbolNamed(QStringView name);
// That symbol's icon; a null icon for an unknown name.
QIcon symbol(QStringView name);

} // namespace tindrel
