#pragma once

#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tindrel {

// "SOURCE", the type chip, the editor holding the text under inspection and its actions: Sample
// always, Expand/Collapse and Clear while there is any text.
class SourceStrip final : public QWidget {
    Q_OBJECT
public:
    explicit SourceStrip(QWidget* parent = nullptr);

    // Shows the text unless the editor already holds it (typing must not move the cursor).
    void setInput(const QString& text);
    void setChip(const std::optional<QString>& chip);

    QString chipText() const;
    bool chipVisible() const;
    QPlainTextEdit* editor() const { return editor_; }
    QPushButton* sampleButton() const { return sample_; }
    QPushButton* expandButton() const { return expand_; }
    QPushButton* clearButton() const { return clear_; }

    static constexpr int collapsedHeight = 96;
    static constexpr int expandedHeight = 320;

signals:
    void inputEdited(const QString& text);
    void sampleRequested();
    void clearRequested();

private:
    void toggleExpanded();
    void updateActions();

    QLabel* chip_;
    QPlainTextEdit* editor_;
    QPushButton* sample_;
    QPushButton* expand_;
    QPushButton* clear_;
    bool expanded_ = false;
};

} // namespace tindrel
