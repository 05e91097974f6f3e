#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tindrel {

// Questions asked about the artifact with their answers (or a progress line while one is pending),
// and the field that asks the next one.
class FollowUpSection final : public QWidget {
    Q_OBJECT
public:
    struct Item {
        QString question;
        std::optional<QString> answer;

        bool operator==(const Item&) const = default;
    };

    explicit FollowUpSection(QWidget* parent = nullptr);

    // Redraws only when the items changed; then the newest answer and the field below it are scrolled
    // into view.
    void setItems(const std::vector<Item>& items);

    QLineEdit* field() const { return field_; }
    QPushButton* sendButton() const { return sendButton_; }

signals:
    // The trimmed question; never empty.
    void askRequested(const QString& question);

private:
    void send();
    void updateSendEnabled();
    void revealField();

    std::vector<Item> shown_;
    QVBoxLayout* items_;
    QLineEdit* field_;
    QPushButton* sendButton_;
};

} // namespace tindrel
