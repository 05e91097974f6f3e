#pragma once

#include <QPlainTextEdit>

namespace tindrel {

// Read-only monospaced text on the code background. Long payloads scroll inside the block rather than
// stretching the pane, and a plain-text document stays quick for megabyte payloads.
class CodeBlock final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeBlock(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    static constexpr int maxLines = 16;
};

} // namespace tindrel
