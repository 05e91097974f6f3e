#pragma once

#include "TindrelAppUI/views/result/InputEditor.h"

#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

namespace tindrel {

// "SOURCE", the type chip, the editor holding the text under inspection and its actions: Sample
// always, Expand/Collapse and Clear while there is any text. Under a text too large to edit, a notice
// says how much of it is shown.
class SourceStrip final : public QWidget {
    Q_OBJECT
public:
    explicit SourceStrip(QWidget* parent = nullptr);

    // Shows the text unless the editor already holds it (typing must not move the cursor).
    void setInput(const QString& text);
    // The notice under the editor; nothing while the text is editable.
    std::optional<QString> notice() const;
    void setChip(const std::optional<QString>& chip);

    QString chipText() const;
    bool chipVisible() const;
    InputEditor* editor() const { return editor_; }
    QPushButton* sampleButton() const { return sample_; }
    QPushButton* expandButton() const { return expand_; }
    QPushButton* clearButton() const { return clear_; }

    static constexpr int collapsedHeight = 96;
    static constexpr int expandedHeight = 320;

signals:
    // Typed: the text is inspected at once but kept in the history only once it has settled.
    void inputEdited(const QString& text);
    // Pasted or dropped: the whole text, which may be larger than the editor shows.
    void inputPasted(const QString& text);
    void sampleRequested();
    void clearRequested();

private:
    void toggleExpanded();
    void updateActions();

    QLabel* chip_;
    InputEditor* editor_;
    QLabel* notice_;
    QPushButton* sample_;
    QPushButton* expand_;
    QPushButton* clear_;
    bool expanded_ = false;
};

} // namespace tindrel
