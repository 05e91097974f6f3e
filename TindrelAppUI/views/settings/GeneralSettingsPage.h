#pragma once

#include <QWidget>
#include <memory>

class QCheckBox;

namespace tindrel {

class Defaults;
class HotKeyManager;
class LoginItemService;
class ModelStatusProbe;

// The first Settings tab: the global shortcut, starting at login, keeping the history without secrets
// and the local model.
class GeneralSettingsPage final : public QWidget {
    Q_OBJECT

public:
    GeneralSettingsPage(HotKeyManager& hotKeys, Defaults& defaults,
                        std::shared_ptr<LoginItemService> loginItem, std::shared_ptr<ModelStatusProbe> probe,
                        QWidget* parent = nullptr);

private:
    void launchAtLoginToggled(bool enabled);
    QCheckBox* historyWithoutSecrets(Defaults& defaults);

    std::shared_ptr<LoginItemService> loginItem_;
    QCheckBox* launchAtLogin_;
};

} // namespace tindrel
