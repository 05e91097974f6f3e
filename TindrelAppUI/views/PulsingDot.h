#pragma once

#include <QFrame>

namespace tindrel {

// A small brand-coloured dot whose opacity breathes while something is being built.
class PulsingDot final : public QFrame {
    Q_OBJECT
public:
    explicit PulsingDot(QWidget* parent = nullptr);
};

} // namespace tindrel
