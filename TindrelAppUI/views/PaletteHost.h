#pragma once

#include "TindrelAppUI/shell/PaletteCommands.h"

#include <QObject>
#include <functional>
#include <vector>

class QShortcut;
class QWidget;

namespace tindrel {

class CommandPalette;

// Gives a window its command palette: Ctrl+K toggles it, and every opening asks `provider` for the
// commands that fit the moment.
class PaletteHost final : public QObject {
    Q_OBJECT
public:
    using Provider = std::function<std::vector<PaletteCommand>()>;

    PaletteHost(QWidget& window, Provider provider, QObject* parent = nullptr);

    void open();
    void toggle();
    CommandPalette* palette() const { return palette_; }
    QShortcut* shortcut() const { return shortcut_; }

private:
    Provider provider_;
    CommandPalette* palette_;
    QShortcut* shortcut_;
};

} // namespace tindrel
