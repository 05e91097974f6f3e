#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tindrel {

class HotKeyManager;
class ShortcutRecorder;

// The global shortcut in Settings: what it does, the recorder and whether the system took it, with a
// way out when it did not. Follows the manager live.
class ShortcutSection final : public QWidget {
    Q_OBJECT

public:
    explicit ShortcutSection(HotKeyManager& hotKeys, QWidget* parent = nullptr);

    // "Press Alt+Shift+Space anywhere …", as plain text.
    static QString description(const QString& display);

private:
    void showChord();
    void showStatus();

    HotKeyManager& hotKeys_;
    QLabel* description_;
    ShortcutRecorder* recorder_;
    QLabel* status_;
    QPushButton* tryAlternative_;
    QPushButton* recordAnother_;
};

} // namespace tindrel
