#pragma once

#include <QString>
#include <optional>

namespace tindrel {

// The general pasteboard as the app uses it: plain text in, plain text out.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;
    // The plain text on the pasteboard; nothing when it holds none.
    virtual std::optional<QString> text() const = 0;
    // Clears the pasteboard, then places `text` on it as plain text.
    virtual void setText(const QString& text) = 0;
};

// The system clipboard through QClipboard; needs the application object when called.
class ClipboardPasteboard final : public Pasteboard {
public:
    std::optional<QString> text() const override;
    void setText(const QString& text) override;
};

} // namespace tindrel
