#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QWidget>

class QToolButton;
class QVBoxLayout;

namespace tindrel {

// The curated result of one chain: kind, status pill, decode path, facts and payload, ending in the
// collapsible technical details (collapsed at first).
class DecodedPane final : public QWidget {
    Q_OBJECT
public:
    explicit DecodedPane(QWidget* parent = nullptr);

    void setChain(const DecodeChain& chain);

private:
    void addSummary(const DecodeChain& chain);
    void addTechnicalDetails(const DecodeChain& chain);

    QVBoxLayout* content_;
};

} // namespace tindrel
