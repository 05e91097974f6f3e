#include "TindrelAppUI/hotkey/ShortcutRecorder.h"

#include "TindrelAppUI/hotkey/ChordText.h"
#include "TindrelAppUI/hotkey/KeyCodes.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace tindrel {

namespace {
constexpr std::uint32_t escapeKeyCode = 53;
}

RecordedKey RecordedKey::from(int qtKey, Qt::KeyboardModifiers modifiers) {
    std::optional<std::uint32_t> code = KeyCodes::fromQtKey(qtKey);
    if (code == escapeKeyCode) return {Outcome::cancel, {}};
    if (!code) return {Outcome::ignore, {}};
    std::string characters = KeyCodes::characters(*code).toStdString();
    KeyChord chord{*code, KeyCodes::fromQtModifiers(modifiers), KeyChord::label(*code, characters)};
    return {chord.isValid() ? Outcome::record : Outcome::ignore, chord};
}

ShortcutRecorder::ShortcutRecorder(QWidget* parent)
    : QWidget(parent)
    , field_(new QPushButton(this))
    , cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field_);
    layout->addWidget(cancel_);
    connect(field_, &QPushButton::clicked, this, &ShortcutRecorder::startRecording);
    connect(cancel_, &QPushButton::clicked, this, &ShortcutRecorder::stopRecording);
    refresh();
}

ShortcutRecorder::~ShortcutRecorder() {
    stopRecording();
}

void ShortcutRecorder::setChord(const KeyChord& chord) {
    chord_ = chord;
    refresh();
}

void ShortcutRecorder::setStartTrigger(int trigger) {
    if (trigger == startTrigger_) return;
    startTrigger_ = trigger;
    startRecording();
}

void ShortcutRecorder::startRecording() {
    if (recording_) return;
    recording_ = true;
    qApp->installEventFilter(this);
    monitoring_ = true;
    refresh();
}

void ShortcutRecorder::stopRecording() {
    recording_ = false;
    if (monitoring_) {
        qApp->removeEventFilter(this);
        monitoring_ = false;
    }
    refresh();
}

bool ShortcutRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (!recording_) return QWidget::eventFilter(watched, event);
    // Claiming the override keeps window shortcuts from taking the press first.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) return handleKeyPress(static_cast<QKeyEvent&>(*event));
    return QWidget::eventFilter(watched, event);
}

bool ShortcutRecorder::handleKeyPress(const QKeyEvent& event) {
    RecordedKey key = RecordedKey::from(event.key(), event.modifiers());
    if (key.outcome == RecordedKey::Outcome::cancel) stopRecording();
    if (key.outcome == RecordedKey::Outcome::record) {
        emit recorded(key.chord);
        stopRecording();
    }
    return true;
}

void ShortcutRecorder::hideEvent(QHideEvent* event) {
    stopRecording();
    QWidget::hideEvent(event);
}

void ShortcutRecorder::refresh() {
    field_->setText(recording_ ? QStringLiteral("Type shortcut\u2026") : chordText(chord_));
    cancel_->setVisible(recording_);
}

} // namespace tindrel
