#pragma once

#include "TindrelAppUI/settings/Defaults.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace tindrel {

// Whether the first-run sheet has been finished and how often the global shortcut (or the sheet's
// test button) has been used since. Both survive restarts in the user defaults; the use count only
// decides whether the empty window still shows the shortcut tip.
class OnboardingModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool completed READ completed NOTIFY completedChanged)
    Q_PROPERTY(int usageCount READ usageCount NOTIFY usageCountChanged)

public:
    static inline const QString completedKey = QStringLiteral("tindrel.onboarding.completed.v1");
    static inline const QString usageKey = QStringLiteral("tindrel.usage.count.v1");
    static constexpr int hintRetiresAfter = 3;

    // Reads the stored state, then applies "--reset-onboarding" (forget everything, stored keys too)
    // and "--onboarding" (show the sheet this run without touching what is stored).
    explicit OnboardingModel(Defaults& defaults, const QStringList& arguments = {},
                             QObject* parent = nullptr);

    bool completed() const { return completed_; }
    int usageCount() const { return usageCount_; }
    // The tip is for people who finished the sheet and have not yet used the shortcut a few times.
    bool showHint() const { return completed_ && usageCount_ < hintRetiresAfter; }

    void markCompleted();
    void recordUsage();
    void reset();

signals:
    void completedChanged();
    void usageCountChanged();

private:
    void setCompleted(bool completed);
    void setUsageCount(int count);

    Defaults& defaults_;
    bool completed_ = false;
    int usageCount_ = 0;
};

} // namespace tindrel
