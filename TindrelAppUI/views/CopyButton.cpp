#include "TindrelAppUI/views/CopyButton.h"

#include "TindrelAppUI/platform/Pasteboard.h"
#include "TindrelAppUI/style/Symbols.h"

#include <QTimer>

namespace tindrel {
namespace {

Pasteboard& systemClipboard() {
    static ClipboardPasteboard clipboard;
    return clipboard;
}

} // namespace

CopyButton::CopyButton(const QString& title, Source source, QWidget* parent)
    : CopyButton(title, std::move(source), systemClipboard(), parent) {}

CopyButton::CopyButton(const QString& title, Source source, Pasteboard& pasteboard, QWidget* parent)
    : QPushButton(title, parent)
    , title_(title)
    , icon_(symbol(Symbol::copy))
    , source_(std::move(source))
    , pasteboard_(pasteboard)
    , restoreTimer_(new QTimer(this)) {
    setIcon(icon_);
    restoreTimer_->setSingleShot(true);
    restoreTimer_->setInterval(confirmationMs);
    connect(restoreTimer_, &QTimer::timeout, this, &CopyButton::restore);
    connect(this, &QPushButton::clicked, this, &CopyButton::copyNow);
}

void CopyButton::copyNow() {
    pasteboard_.setText(source_());
    setText(QStringLiteral("Copied"));
    setIcon(symbol(Symbol::check));
    restoreTimer_->start();
}

void CopyButton::restore() {
    setText(title_);
    setIcon(icon_);
}

} // namespace tindrel
