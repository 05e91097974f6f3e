#include "TindrelAppUI/views/result/ExportMenu.h"

#include "TindrelAppUI/inspector/ResultHandover.h"
#include "TindrelAppUI/platform/Pasteboard.h"

namespace tindrel {

ExportMenu::ExportMenu(bool offerShare, QWidget* parent)
    : QMenu(parent) {
    addAction(QStringLiteral("Copy as Markdown"), this,
              [this] { ClipboardPasteboard().setText(markdown()); });
    addAction(QStringLiteral("Copy as JSON"), this,
              [this] { ClipboardPasteboard().setText(ResultHandover::json(chain_)); });
    addAction(QStringLiteral("Copy Markdown (redacted)"), this, [this] {
        ClipboardPasteboard().setText(ResultHandover::redactedMarkdown(chain_, explanation_));
    });
    addSeparator();
    addAction(QStringLiteral("Save as Markdown\u2026"), this,
              [this] { ResultHandover::save(markdown(), QStringLiteral("md"), parentWidget()); });
    addAction(QStringLiteral("Save as JSON\u2026"), this, [this] {
        ResultHandover::save(ResultHandover::json(chain_), QStringLiteral("json"), parentWidget());
    });
    if (offerShare)
        addAction(QStringLiteral("Share\u2026"), this, [this] { ResultHandover::share(markdown()); });
}

void ExportMenu::setSubject(const DecodeChain& chain, const std::optional<QString>& explanation) {
    chain_ = chain;
    explanation_ = explanation;
}

QString ExportMenu::markdown() const {
    return ResultHandover::markdown(chain_, explanation_);
}

} // namespace tindrel
