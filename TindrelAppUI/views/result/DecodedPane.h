#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QWidget>
#include <optional>
#include <string>

class QToolButton;
class QVBoxLayout;

namespace tindrel {

// The curated result of one chain: kind, status pill, decode path, facts and payload, ending in the
// collapsible technical details (collapsed at first).
class DecodedPane final : public QWidget {
    Q_OBJECT
public:
    explicit DecodedPane(QWidget* parent = nullptr);

    // A chain read again from the same input keeps the technical details as open as they were.
    void setChain(const DecodeChain& chain);

signals:
    // From the technical details: the user picked another reading for the step at `step`.
    void readingChosen(int step, DetectionKind kind);

private:
    void addSummary(const DecodeChain& chain);
    void addTechnicalDetails(const DecodeChain& chain, bool open);

    QVBoxLayout* content_;
    QToolButton* detailsToggle_ = nullptr;
    std::optional<std::string> shownInput_;
};

} // namespace tindrel
