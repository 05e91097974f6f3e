#pragma once

#include "TindrelCore/formats/PEMBundle.h"

#include <QFrame>

namespace tindrel {

// The blocks of a PEM bundle, one compact row each: number and label, a certificate's names, its
// validity and key, and whether the next certificate issued it; SANs and fingerprint in the row's
// tooltip. Ends with the certificate that expires first.
class BundleList final : public QFrame {
    Q_OBJECT
public:
    explicit BundleList(const PEMBundle::Bundle& bundle, QWidget* parent = nullptr);
};

} // namespace tindrel
