#pragma once

#include "TindrelAppUI/views/result/FollowUpSection.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelHistory/HistoryEntry.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace tindrel {

// Chains are shared rather than copied: for a large input one holds megabytes, and the window is drawn
// from a fresh state after every change.
using SharedChain = std::shared_ptr<const DecodeChain>;
// The same chain, or equal ones (both none counts as the same).
bool sameChain(const SharedChain& a, const SharedChain& b);

// Everything the main window shows, read from the inspector model in one go. The window draws only
// from this, so each screen can be checked from a state without running decodes or explanations.
struct ScreenState {
    enum class Scene { single, scan, empty, unrecognized, decoding };
    enum class Insight { none, loading, ready };

    Scene scene = Scene::empty;
    QString input;
    SharedChain singleChain; // the chain of a single result
    int embeddedCount = 0;
    std::vector<ScanFinding> findings; // what the scan list shows
    int selectedFinding = 0;
    bool singleResultAvailable = false;
    SharedChain insightChain;
    Insight insight = Insight::none;
    QString explanation; // the ready explanation's text
    std::vector<FollowUpSection::Item> followUps;
    std::vector<HistoryEntry> history;
    int historyLimit = 50;
    std::optional<QString> shortcutTip; // shown in the empty state while the hint is due

    // The type chip of the source strip; nothing for an empty, unrecognised or step-less result.
    std::optional<QString> chip() const;
    std::optional<QString> readyExplanation() const;
};

} // namespace tindrel
