#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QTabWidget;

namespace tindrel {

class Defaults;
class HotKeyManager;
class LoginItemService;
class ModelStatusProbe;

// The Settings window: "General", "Appearance" and "Privacy & About", General first. Above the tabs, one
// line says so while the settings file refuses changes.
class SettingsWindow final : public QWidget {
    Q_OBJECT

public:
    SettingsWindow(HotKeyManager& hotKeys, Defaults& defaults, std::shared_ptr<LoginItemService> loginItem,
                   std::shared_ptr<ModelStatusProbe> probe, QWidget* parent = nullptr);

    // With the session's login item and the explanation layer's own model probe.
    static std::unique_ptr<SettingsWindow> withSystemServices(HotKeyManager& hotKeys, Defaults& defaults);

    QTabWidget* tabs() const { return tabs_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showWhetherChangesAreSaved();

    Defaults& defaults_;
    QLabel* readOnlyNotice_;
    QTabWidget* tabs_;
};

} // namespace tindrel
