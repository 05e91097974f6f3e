#pragma once

#include "TindrelShortcut/KeyChord.h"

#include <QString>
#include <optional>

namespace tindrel {

class HotKeyManager;
class InspectorBinding;
class OnboardingModel;

// The empty window's "Tip: press … anywhere to inspect your clipboard." while onboarding asks for it.
std::optional<QString> emptyStateTip(const OnboardingModel& onboarding, const KeyChord& chord);

// Hands the binding the tip now and again whenever onboarding or the chord changes.
void feedShortcutTip(InspectorBinding& binding, const OnboardingModel& onboarding,
                     const HotKeyManager& hotKeys);

} // namespace tindrel
