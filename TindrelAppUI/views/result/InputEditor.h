#pragma once

#include "TindrelAppUI/views/LongTextView.h"

namespace tindrel {

// The source strip's editor. A text it can lay out while typing stays editable; a larger one, or one
// with a longer line, is shown read-only as LongTextView shows it, and a paste then replaces it. A
// paste or drop that would make the text too large is not inserted at all: the text it would make is
// handed on whole, and comes back through setWholeText.
class InputEditor final : public LongTextView {
    Q_OBJECT
public:
    // Laying out a line costs time growing with its length on every keystroke.
    static constexpr qsizetype editableLine = 16 * 1024;

    explicit InputEditor(QWidget* parent = nullptr);

    void setWholeText(const QString& text);
    QString wholeText() const;
    // Why the text cannot be edited, when it cannot.
    std::optional<QString> notice() const;

signals:
    // The text after a keystroke (or any change but a paste or drop).
    void typed(const QString& text);
    // The whole text a paste or drop makes.
    void pasted(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool fitsEditing(const QString& text);
    void setEditable(bool editable);

    QString whole_; // while read-only
    bool pasting_ = false;
};

} // namespace tindrel
