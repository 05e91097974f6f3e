#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tindrel {

class Defaults;
class ModelStatusProbe;

// Whether explanations come from a model on this machine, why not when they don't, and where to find
// it. The probe runs on a worker thread; only the answer to the latest check is shown.
class LocalModelSection final : public QWidget {
    Q_OBJECT

public:
    LocalModelSection(Defaults& defaults, std::shared_ptr<ModelStatusProbe> probe, QWidget* parent = nullptr);

    // Starts a fresh check; any check still running is forgotten.
    void checkAgain();

signals:
    // The latest check's answer is on screen.
    void statusShown();

private:
    void storeFields();
    void showChecking();
    void showResult(const std::optional<std::string>& reason);

    Defaults& defaults_;
    std::shared_ptr<ModelStatusProbe> probe_;
    quint64 latestCheck_ = 0;
    QLabel* status_;
    QLabel* reason_;
    QLineEdit* url_;
    QLineEdit* model_;
    QPushButton* checkAgain_;
};

} // namespace tindrel
