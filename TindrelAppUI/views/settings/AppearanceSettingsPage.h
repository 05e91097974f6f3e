#pragma once

#include <QWidget>

class QButtonGroup;

namespace tindrel {

class Defaults;

// The Appearance tab: follow the desktop, or keep to light or dark. Every choice is stored and takes
// effect at once.
class AppearanceSettingsPage final : public QWidget {
    Q_OBJECT

public:
    explicit AppearanceSettingsPage(Defaults& defaults, QWidget* parent = nullptr);

private:
    void choose(const QString& value);

    Defaults& defaults_;
    QButtonGroup* choices_;
};

} // namespace tindrel
