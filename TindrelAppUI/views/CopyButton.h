#pragma once

#include <QPushButton>
#include <functional>

class QTimer;

namespace tindrel {

class Pasteboard;

// A button that copies the text its source gives at the moment of the press, then reads "Copied" with
// a check mark for a moment before its own title comes back. It is as wide as the wider of the two
// labels all along, so the confirmation neither resizes it nor moves its neighbours.
class CopyButton final : public QPushButton {
    Q_OBJECT
public:
    using Source = std::function<QString()>;

    // Copies to the system clipboard.
    CopyButton(const QString& title, Source source, QWidget* parent = nullptr);
    // Copies to `pasteboard`, which outlives the button.
    CopyButton(const QString& title, Source source, Pasteboard& pasteboard, QWidget* parent = nullptr);

    static constexpr int confirmationMs = 1500;
    static inline const QString confirmation = QStringLiteral("Copied");

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize hintFor(const QString& label) const;
    void copyNow();
    void restore();

    QString title_;
    QIcon icon_;
    Source source_;
    Pasteboard& pasteboard_;
    QTimer* restoreTimer_;
};

} // namespace tindrel
