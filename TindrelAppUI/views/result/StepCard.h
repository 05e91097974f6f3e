#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QFrame>

namespace tindrel {

// One decoding step: its number, kind, confidence and summary, then every detail as stored, split into
// plain facts and the orange-tinted notes (meaning, recommendations, next steps).
class StepCard final : public QFrame {
    Q_OBJECT
public:
    StepCard(int number, const DecodeResult& step, QWidget* parent = nullptr);
};

} // namespace tindrel
