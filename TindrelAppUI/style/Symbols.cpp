#include "TindrelAppUI/style/Symbols.h"

#include <QApplication>
#include <QStyle>

namespace tindrel {
namespace {

struct SymbolSource {
    const char* themeName;
    QStyle::StandardPixmap fallback;
};

SymbolSource sourceOf(Symbol which) {
    switch (which) {
    case Symbol::history:
        return {"document-open-recent", QStyle::SP_BrowserReload};
    case Symbol::clipboard:
        return {"edit-paste", QStyle::SP_FileDialogContentsView};
    case Symbol::settings:
        return {"preferences-system", QStyle::SP_FileDialogDetailedView};
    case Symbol::exportResult:
        return {"document-send", QStyle::SP_DialogSaveButton};
    case Symbol::lock:
        return {"changes-prevent", QStyle::SP_VistaShield};
    case Symbol::warning:
        return {"dialog-warning", QStyle::SP_MessageBoxWarning};
    case Symbol::critical:
        return {"dialog-error", QStyle::SP_MessageBoxCritical};
    case Symbol::question:
        return {"dialog-question", QStyle::SP_MessageBoxQuestion};
    case Symbol::arrowRight:
        return {"go-next", QStyle::SP_ArrowRight};
    case Symbol::back:
        return {"go-previous", QStyle::SP_ArrowBack};
    case Symbol::copy:
        return {"edit-copy", QStyle::SP_FileIcon};
    case Symbol::check:
        return {"object-select", QStyle::SP_DialogApplyButton};
    case Symbol::send:
        return {"mail-send", QStyle::SP_ArrowUp};
    case Symbol::logScan:
        return {"edit-find", QStyle::SP_FileDialogContentsView};
    case Symbol::sample:
        return {"tools-wizard", QStyle::SP_DialogHelpButton};
    case Symbol::clearInput:
        return {"edit-clear", QStyle::SP_DialogResetButton};
    case Symbol::quote:
        return {"format-justify-left", QStyle::SP_FileDialogDetailedView};
    case Symbol::richText:
        return {"text-x-generic", QStyle::SP_FileIcon};
    case Symbol::braces:
        return {"text-x-script", QStyle::SP_FileIcon};
    case Symbol::undo:
        return {"edit-undo", QStyle::SP_ArrowBack};
    case Symbol::clearHistory:
        return {"edit-clear-history", QStyle::SP_TrashIcon};
    case Symbol::search:
        return {"system-search", QStyle::SP_FileDialogContentsView};
    case Symbol::appearance:
        return {"preferences-desktop-theme", QStyle::SP_DesktopIcon};
    }
    return {"", QStyle::SP_FileIcon};
}

struct NamedSymbol {
    QStringView name;
    Symbol symbol;
};

constexpr NamedSymbol namedSymbols[] = {
    {u"doc.on.clipboard", Symbol::clipboard},
    {u"wand.and.stars", Symbol::sample},
    {u"xmark.circle", Symbol::clearInput},
    {u"doc.on.doc", Symbol::copy},
    {u"text.quote", Symbol::quote},
    {u"doc.richtext", Symbol::richText},
    {u"curlybraces", Symbol::braces},
    {u"doc.text.magnifyingglass", Symbol::logScan},
    {u"arrow.uturn.backward", Symbol::undo},
    {u"clock.badge.xmark", Symbol::clearHistory},
    {u"clock.arrow.circlepath", Symbol::history},
    {u"gearshape", Symbol::settings},
    {u"magnifyingglass", Symbol::search},
    {u"checkmark.circle.fill", Symbol::check},
    {u"exclamationmark.triangle.fill", Symbol::warning},
};

} // namespace

std::optional<Symbol> symbolNamed(QStringView name) {
    for (const NamedSymbol& entry : namedSymbols)
        if (entry.name == name) return entry.symbol;
    return std::nullopt;
}

QIcon symbol(QStringView name) {
    const std::optional<Symbol> which = symbolNamed(name);
    return which ? symbol(*which) : QIcon();
}

QIcon symbol(Symbol which) {
    // Desktops without a platform theme (a bare X server, a window manager alone) look names up in
    // hicolor only; Adwaita is the theme Debian installs alongside.
    static const bool fallbackSet = [] {
        if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
            QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        return true;
    }();
    (void)fallbackSet;
    const SymbolSource source = sourceOf(which);
    return QIcon::fromTheme(QString::fromLatin1(source.themeName),
                            QApplication::style()->standardIcon(source.fallback));
}

} // namespace tindrel
