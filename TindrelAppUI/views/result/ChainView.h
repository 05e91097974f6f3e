#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QWidget>

namespace tindrel {

// The step-by-step view of a chain: its kinds with arrows between them, one card per step and the
// final value with a copy button; an unrecognised chain gets a one-line notice instead.
class ChainView final : public QWidget {
    Q_OBJECT
public:
    explicit ChainView(const DecodeChain& chain, QWidget* parent = nullptr);

signals:
    // The user picked another reading for the step at `step` (0 for the first).
    void readingChosen(int step, DetectionKind kind);
};

} // namespace tindrel
