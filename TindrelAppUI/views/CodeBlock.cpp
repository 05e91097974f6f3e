#include "TindrelAppUI/views/CodeBlock.h"

#include "TindrelAppUI/Theme.h"

#include <QFontMetrics>
#include <algorithm>

namespace tindrel {

CodeBlock::CodeBlock(const QString& text, QWidget* parent)
    : QPlainTextEdit(parent) {
    Theme::setRole(this, "codeBlock");
    setReadOnly(true);
    setPlainText(text);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize CodeBlock::sizeHint() const {
    const int lines = std::clamp(static_cast<int>(document()->lineCount()), 1, maxLines);
    const int height =
        lines * fontMetrics().lineSpacing() + 2 * static_cast<int>(document()->documentMargin()) + 12;
    return {QPlainTextEdit::sizeHint().width(), height};
}

} // namespace tindrel
