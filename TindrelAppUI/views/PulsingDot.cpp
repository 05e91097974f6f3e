#include "TindrelAppUI/views/PulsingDot.h"

#include "TindrelAppUI/style/Theme.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

namespace tindrel {

PulsingDot::PulsingDot(QWidget* parent)
    : QFrame(parent) {
    Theme::setRole(this, "dot");
    setFixedSize(10, 10);
    auto* effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    auto* pulse = new QPropertyAnimation(effect, "opacity", this);
    pulse->setDuration(900);
    pulse->setKeyValueAt(0, 1.0);
    pulse->setKeyValueAt(0.5, 0.25);
    pulse->setKeyValueAt(1, 1.0);
    pulse->setLoopCount(-1);
    pulse->start();
}

} // namespace tindrel
