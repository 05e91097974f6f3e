#pragma once

#include "TindrelAppUI/style/TindrelColor.h"

#include <QIcon>
#include <QStringView>
#include <optional>

namespace tindrel {

// The pictures the screens use, by meaning: one family of symbolic glyphs drawn by the app itself, so
// they look alike on every desktop whatever its icon theme. They are drawn in the colour tokens of the
// appearance in force at the moment they are painted (secondary text; the status colours for warning,
// critical and check), so they stay legible in light and dark and follow a switch without rebuilding.
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
// The colour the symbol is drawn in under `appearance` for an icon in `mode`.
QColor symbolInk(Symbol which, QIcon::Mode mode, Appearance appearance);

// The symbol behind a portable symbol name such as "doc.on.clipboard", as commands name their icons;
// nothing for a name the app does not draw.
std::optional<Symbol> symbolNamed(QStringView name);
// That symbol's icon; a null icon for an unknown name.
QIcon symbol(QStringView name);

} // namespace tindrel
