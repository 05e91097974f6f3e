#include "TindrelAppUI/views/CopyButton.h"

#include "TindrelAppUI/Pasteboard.h"
#include "TindrelAppUI/Symbols.h"

#include <QTimer>

namespace tindrel {

CopyButton::CopyButton(const QString& title, Source source, QWidget* parent)
    : QPushButton(title, parent)
    , title_(title)
    , icon_(symbol(Symbol::copy))
    , source_(std::move(source))
    , restoreTimer_(new QTimer(this)) {
    setIcon(icon_);
    restoreTimer_->setSingleShot(true);
    restoreTimer_->setInterval(confirmationMs);
    connect(restoreTimer_, &QTimer::timeout, this, &CopyButton::restore);
    connect(this, &QPushButton::clicked, this, &CopyButton::copyNow);
}

void CopyButton::copyNow() {
    ClipboardPasteboard().setText(source_());
    setText(QStringLiteral("Copied"));
    setIcon(symbol(Symbol::check));
    restoreTimer_->start();
}

void CopyButton::restore() {
    setText(title_);
    setIcon(icon_);
}

} // namespace tindrel
