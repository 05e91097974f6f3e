#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QFrame>

namespace tindrel {

// One decoding step: its number, kind, confidence and summary, the other readings the engine had for
// it, then every detail as stored, split into plain facts and the orange-tinted notes (meaning,
// recommendations, next steps).
class StepCard final : public QFrame {
    Q_OBJECT
public:
    StepCard(int number, const DecodeResult& step, QWidget* parent = nullptr);

signals:
    // The user picked another reading for this step.
    void readingChosen(DetectionKind kind);

private:
    QWidget* readingsRow(const std::vector<Alternative>& alternatives);
};

} // namespace tindrel
