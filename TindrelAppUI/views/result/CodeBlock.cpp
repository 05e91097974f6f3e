#include "TindrelAppUI/views/result/CodeBlock.h"

#include "TindrelAppUI/style/Theme.h"

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
    // Room for the frame, the document margin and the style sheet's padding, so no scroll bar shows
    // until the text passes maxLines.
    const int chrome = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 16;
    const int height = lines * fontMetrics().lineSpacing() + chrome;
    return {QPlainTextEdit::sizeHint().width(), height};
}

} // namespace tindrel
