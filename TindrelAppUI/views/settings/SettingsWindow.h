#pragma once

#include <QWidget>
#include <memory>

class QTabWidget;

namespace tindrel {

class Defaults;
class HotKeyManager;
class LoginItemService;
class ModelStatusProbe;

// The Settings window: "General", "Appearance" and "Privacy & About", General first.
class SettingsWindow final : public QWidget {
    Q_OBJECT

public:
    SettingsWindow(HotKeyManager& hotKeys, Defaults& defaults, std::shared_ptr<LoginItemService> loginItem,
                   std::shared_ptr<ModelStatusProbe> probe, QWidget* parent = nullptr);

    // With the session's login item and the explanation layer's own model probe.
    static std::unique_ptr<SettingsWindow> withSystemServices(HotKeyManager& hotKeys, Defaults& defaults);

    QTabWidget* tabs() const { return tabs_; }

private:
    QTabWidget* tabs_;
};

} // namespace tindrel
