#include "TindrelAppUI/views/PaletteHost.h"

#include "TindrelAppUI/views/CommandPalette.h"

#include <QShortcut>

namespace tindrel {

PaletteHost::PaletteHost(QWidget& window, Provider provider, QObject* parent)
    : QObject(parent)
    , provider_(std::move(provider))
    , palette_(new CommandPalette(&window))
    , shortcut_(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), &window)) {
    shortcut_->setContext(Qt::WindowShortcut);
    connect(shortcut_, &QShortcut::activated, this, &PaletteHost::toggle);
}

void PaletteHost::open() {
    palette_->open(provider_());
}

void PaletteHost::toggle() {
    if (palette_->isOpen())
        palette_->close();
    else
        open();
}

} // namespace tindrel
