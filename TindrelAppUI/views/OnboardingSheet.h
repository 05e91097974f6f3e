#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace tindrel {

class HotKeyManager;
class OnboardingModel;
class SymbolLabel;

// The first-run sheet over the main window: what Tindrel does, the three steps and a live test of the
// global shortcut. Only "Start using Tindrel" marks onboarding as done; closing it any other way
// brings it back on the next start.
class OnboardingSheet final : public QDialog {
    Q_OBJECT
public:
    // `inspectClipboard` is the app's Inspect Clipboard action, run by "Test Shortcut".
    OnboardingSheet(OnboardingModel& onboarding, HotKeyManager& hotKeys,
                    std::function<void()> inspectClipboard, QWidget* parent);

    QLabel* testLine() const { return testText_; }
    QPushButton* testButton() const { return test_; }
    QPushButton* startButton() const { return start_; }

private:
    QWidget* buildSteps();
    QWidget* buildTestArea();
    void refresh();

    OnboardingModel& onboarding_;
    HotKeyManager& hotKeys_;
    bool fired_ = false;
    QLabel* pressStep_;
    SymbolLabel* testIcon_;
    QLabel* testText_;
    QPushButton* test_;
    QPushButton* start_;
};

} // namespace tindrel
