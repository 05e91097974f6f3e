#include "TindrelAppUI/settings/HistoryPrivacy.h"

namespace tindrel {

HistoryPrivacy& HistoryPrivacy::shared() {
    static HistoryPrivacy instance;
    return instance;
}

bool HistoryPrivacy::withoutSecrets(const Defaults& defaults) {
    return defaults.boolean(storeKey).value_or(false);
}

void HistoryPrivacy::store(Defaults& defaults, bool withoutSecrets) {
    defaults.setBoolean(storeKey, withoutSecrets);
    emit changed(withoutSecrets);
}

} // namespace tindrel
