#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QMenu>
#include <optional>

namespace tindrel {

// Copy, save or share the result in focus as Markdown or JSON, or copy the Markdown with its secrets
// masked for a bug report. "Share…" appears only where the desktop has a mail composer to hand the
// Markdown to.
class ExportMenu final : public QMenu {
    Q_OBJECT
public:
    explicit ExportMenu(bool offerShare, QWidget* parent = nullptr);

    void setSubject(const DecodeChain& chain, const std::optional<QString>& explanation);

private:
    QString markdown() const;

    DecodeChain chain_;
    std::optional<QString> explanation_;
};

} // namespace tindrel
