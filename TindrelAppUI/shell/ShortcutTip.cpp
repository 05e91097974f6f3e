#include "TindrelAppUI/shell/ShortcutTip.h"

#include "TindrelAppUI/hotkey/ChordText.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/shell/OnboardingModel.h"

namespace tindrel {

std::optional<QString> emptyStateTip(const OnboardingModel& onboarding, const KeyChord& chord) {
    if (!onboarding.showHint()) return std::nullopt;
    return ScreenTexts::shortcutTip(chordText(chord));
}

void feedShortcutTip(InspectorBinding& binding, const OnboardingModel& onboarding,
                     const HotKeyManager& hotKeys) {
    const auto update = [&binding, &onboarding, &hotKeys] {
        binding.setShortcutTip(emptyStateTip(onboarding, hotKeys.chord()));
    };
    QObject::connect(&onboarding, &OnboardingModel::completedChanged, &binding, update);
    QObject::connect(&onboarding, &OnboardingModel::usageCountChanged, &binding, update);
    QObject::connect(&hotKeys, &HotKeyManager::chordChanged, &binding, update);
    update();
}

} // namespace tindrel
