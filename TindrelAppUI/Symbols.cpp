#include "TindrelAppUI/Symbols.h"

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
    case Symbol::appearance:
        return {"preferences-desktop-theme", QStyle::SP_DesktopIcon};
    }
    return {"", QStyle::SP_FileIcon};
}

} // namespace

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
