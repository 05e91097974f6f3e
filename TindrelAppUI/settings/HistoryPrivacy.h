#pragma once

#include "TindrelAppUI/settings/Defaults.h"

#include <QObject>
#include <QString>

namespace tindrel {

// "Keep history without secrets": when on, recognised inputs are recorded with their secrets masked
// (tokens, private keys, password hashes, secret query values), so the stored history never holds
// them in clear. Off by default.
class HistoryPrivacy final : public QObject {
    Q_OBJECT

public:
    static inline const QString storeKey = QStringLiteral("tindrel.history.redact.v1");

    // The one instance through which a change made in Settings reaches the history's owner.
    static HistoryPrivacy& shared();

    static bool withoutSecrets(const Defaults& defaults);
    // Stores the choice and announces it.
    void store(Defaults& defaults, bool withoutSecrets);

signals:
    void changed(bool withoutSecrets);
};

} // namespace tindrel
