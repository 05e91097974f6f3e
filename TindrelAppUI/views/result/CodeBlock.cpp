#include "TindrelAppUI/views/result/CodeBlock.h"

#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <algorithm>

namespace tindrel {

CodeBlock::CodeBlock(const std::shared_ptr<const std::string>& utf8, QWidget* parent)
    : LongTextView(parent) {
    Theme::setRole(this, "codeBlock");
    showText(utf8);
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

void addCodeBlock(QBoxLayout* layout, const std::shared_ptr<const std::string>& utf8) {
    auto* block = new CodeBlock(utf8);
    layout->addWidget(block);
    if (std::optional<QString> notice = block->preview().notice())
        layout->addWidget(makeLabel(*notice, "meta"));
}

} // namespace tindrel
