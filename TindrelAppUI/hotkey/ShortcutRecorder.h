#pragma once

#include "TindrelShortcut/KeyChord.h"

#include <QWidget>
#include <optional>

class QKeyEvent;
class QPushButton;

namespace tindrel {

// What a key press means to a recording: Escape cancels, a press without control, option or command
// is not a global shortcut and is ignored, anything else is the new chord.
struct RecordedKey {
    enum class Outcome { cancel, ignore, record };
    Outcome outcome;
    KeyChord chord;

    static RecordedKey from(int qtKey, Qt::KeyboardModifiers modifiers);
};

// The Settings control that captures a new global shortcut from the keyboard. While recording it
// takes every key press of the application, so shortcuts of the window cannot fire instead.
class ShortcutRecorder final : public QWidget {
    Q_OBJECT

public:
    explicit ShortcutRecorder(QWidget* parent = nullptr);
    ~ShortcutRecorder() override;

    void setChord(const KeyChord& chord);
    const KeyChord& chord() const { return chord_; }
    // Every change of the trigger starts a recording (the "Record another" button of the status row).
    void setStartTrigger(int trigger);
    int startTrigger() const { return startTrigger_; }
    bool isRecording() const { return recording_; }

    void startRecording();
    void stopRecording();

signals:
    void recorded(const tindrel::KeyChord& chord);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool handleKeyPress(const QKeyEvent& event);
    void refresh();

    KeyChord chord_ = KeyChord::defaultChord();
    int startTrigger_ = 0;
    bool recording_ = false;
    bool monitoring_ = false;
    QPushButton* field_;
    QPushButton* cancel_;
};

} // namespace tindrel
