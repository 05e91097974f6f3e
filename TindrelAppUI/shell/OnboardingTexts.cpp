#include "TindrelAppUI/shell/OnboardingTexts.h"

namespace tindrel::OnboardingTexts {

QString pressStep(const QString& chordDisplay) {
    return QStringLiteral("Press ") + chordDisplay;
}

TestLine testLine(bool firedWhileOpen, HotKeyManager::Status status, const QString& chordDisplay) {
    using Tone = TestLine::Tone;
    if (firedWhileOpen) return {Tone::works, chordDisplay + QStringLiteral(" works.")};
    if (status == HotKeyManager::Status::unavailable)
        return {Tone::unavailable,
                QStringLiteral("That shortcut is unavailable \u2014 pick another in Settings.")};
    return {Tone::waiting, QStringLiteral("Copy something first, then try it \u2014 ") + chordDisplay +
                               QStringLiteral(", or the button below.")};
}

} // namespace tindrel::OnboardingTexts
