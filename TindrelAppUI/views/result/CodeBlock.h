#pragma once

#include "TindrelAppUI/views/LongTextView.h"

#include <memory>
#include <string>

class QBoxLayout;

namespace tindrel {

// Read-only monospaced text on the code background. Long payloads scroll inside the block rather than
// stretching the pane, and a huge one shows only its start (LongTextView).
class CodeBlock final : public LongTextView {
    Q_OBJECT
public:
    explicit CodeBlock(const std::shared_ptr<const std::string>& utf8, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    static constexpr int maxLines = 16;
};

// Adds a code block for `utf8` to `layout`, followed by the notice saying when only its start is shown.
void addCodeBlock(QBoxLayout* layout, const std::shared_ptr<const std::string>& utf8);

} // namespace tindrel
