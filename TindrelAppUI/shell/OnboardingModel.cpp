#include "TindrelAppUI/shell/OnboardingModel.h"

#include <algorithm>
#include <limits>

namespace tindrel {
namespace {

int storedCount(const Defaults& defaults, const QString& key) {
    const qint64 stored = defaults.integer(key).value_or(0);
    return static_cast<int>(std::clamp<qint64>(stored, 0, std::numeric_limits<int>::max()));
}

} // namespace

OnboardingModel::OnboardingModel(Defaults& defaults, const QStringList& arguments, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , completed_(defaults.boolean(completedKey).value_or(false))
    , usageCount_(storedCount(defaults, usageKey)) {
    if (arguments.contains(QStringLiteral("--reset-onboarding"))) reset();
    if (arguments.contains(QStringLiteral("--onboarding"))) setCompleted(false);
}

void OnboardingModel::markCompleted() {
    if (completed_) return;
    setCompleted(true);
    defaults_.setBoolean(completedKey, true);
}

void OnboardingModel::recordUsage() {
    setUsageCount(usageCount_ + 1);
    defaults_.setInteger(usageKey, usageCount_);
}

void OnboardingModel::reset() {
    setCompleted(false);
    setUsageCount(0);
    defaults_.remove(completedKey);
    defaults_.remove(usageKey);
}

void OnboardingModel::setCompleted(bool completed) {
    if (completed_ == completed) return;
    completed_ = completed;
    emit completedChanged();
}

void OnboardingModel::setUsageCount(int count) {
    if (usageCount_ == count) return;
    usageCount_ = count;
    emit usageCountChanged();
}

} // namespace tindrel
