#include "TindrelAppUI/views/CopyButton.h"

#include "TindrelAppUI/platform/Pasteboard.h"
#include "TindrelAppUI/style/Symbols.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>

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
    setText(confirmation);
    setIcon(symbol(Symbol::check));
    restoreTimer_->start();
}

// What the style makes of a button with that label and an icon, as a push button measures itself.
QSize CopyButton::hintFor(const QString& label) const {
    ensurePolished();
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = label;
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, label);
    const QSize content(option.iconSize.width() + 4 + text.width(),
                        std::max(option.iconSize.height(), text.height()));
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, content, this);
}

QSize CopyButton::sizeHint() const {
    return hintFor(title_).expandedTo(hintFor(confirmation));
}

QSize CopyButton::minimumSizeHint() const {
    return sizeHint();
}

void CopyButton::restore() {
    setText(title_);
    setIcon(icon_);
}

} // namespace tindrel
