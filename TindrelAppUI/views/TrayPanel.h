#pragma once

#include <QFrame>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShortcut;

namespace tindrel {

class CopyButton;
class InspectorModel;
class Pasteboard;

// The tray's small panel: the app's name, Inspect Clipboard (also Ctrl+Shift+V while the panel has
// the keyboard focus), a preview of the model's result, and the ways to the main window or out. It
// follows the model's chain as it changes; loading the clipboard here does not bring up the window.
class TrayPanel final : public QFrame {
    Q_OBJECT
public:
    static constexpr int panelWidth = 340;

    TrayPanel(InspectorModel& model, Pasteboard& pasteboard, QWidget* parent = nullptr);

    QPushButton* inspectButton() const { return inspect_; }
    QShortcut* inspectShortcut() const { return shortcut_; }
    CopyButton* copyButton() const { return copy_; }
    QPlainTextEdit* valueView() const { return value_; }

signals:
    void openRequested();
    void quitRequested();
    // Sent whenever the panel closes, also when a click elsewhere dismisses it.
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    QWidget* makePreview();

    InspectorModel& model_;
    Pasteboard& pasteboard_;
    QPushButton* inspect_;
    QShortcut* shortcut_;
    QWidget* preview_;
    QLabel* shape_;
    QPlainTextEdit* value_;
    QLabel* message_;
    CopyButton* copy_;
    QString fullValue_;
};

} // namespace tindrel
