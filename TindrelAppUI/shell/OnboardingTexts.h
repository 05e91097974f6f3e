#pragma once

#include "TindrelAppUI/hotkey/HotKeyManager.h"

#include <QString>

// The fixed texts of the first-run sheet and its one-line shortcut test.
namespace tindrel::OnboardingTexts {

inline const char* const title = "Welcome to Tindrel";
inline const char* const subtitle =
    "Paste anything opaque \u2014 Tindrel tells you what it is, 100% on your computer.";
inline const char* const copyStep = "Copy anything opaque.";
inline const char* const copyStepDetail = "A token, an encoded value, a certificate, an error code.";
inline const char* const pressStepDetail = "From any app \u2014 no need to switch to Tindrel first.";
inline const char* const explainStep = "Tindrel explains it.";
inline const char* const explainStepDetail = "Decoded, identified, and explained in plain English.";
inline const char* const testButton = "Test Shortcut";
inline const char* const startButton = "Start using Tindrel";

// "Press Alt+Shift+Space".
QString pressStep(const QString& chordDisplay);

// What the test area says: the shortcut worked while the sheet was open, it cannot be registered, or
// the user has yet to try it.
struct TestLine {
    enum class Tone { works, unavailable, waiting };
    Tone tone;
    QString text;

    bool operator==(const TestLine&) const = default;
};

TestLine testLine(bool firedWhileOpen, HotKeyManager::Status status, const QString& chordDisplay);

} // namespace tindrel::OnboardingTexts
