#include "TindrelAppUI/views/settings/GeneralSettingsPage.h"

#include "TindrelAppUI/platform/LoginItem.h"
#include "TindrelAppUI/views/settings/LocalModelSection.h"
#include "TindrelAppUI/views/settings/ShortcutSection.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tindrel {

GeneralSettingsPage::GeneralSettingsPage(HotKeyManager& hotKeys, Defaults& defaults,
                                         std::shared_ptr<LoginItemService> loginItem,
                                         std::shared_ptr<ModelStatusProbe> probe, QWidget* parent)
    : QWidget(parent)
    , loginItem_(std::move(loginItem))
    , launchAtLogin_(new QCheckBox(QStringLiteral("Launch Tindrel at login"))) {
    launchAtLogin_->setChecked(loginItem_->isEnabled());

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(18);
    layout->addWidget(new ShortcutSection(hotKeys));
    layout->addWidget(launchAtLogin_);
    layout->addWidget(new LocalModelSection(defaults, std::move(probe)));
    layout->addStretch();

    connect(launchAtLogin_, &QCheckBox::toggled, this, &GeneralSettingsPage::launchAtLoginToggled);
}

// A refusal is not reported; the toggle just shows the state the session really has.
void GeneralSettingsPage::launchAtLoginToggled(bool enabled) {
    if (loginItem_->setEnabled(enabled)) return;
    const QSignalBlocker quiet(launchAtLogin_);
    launchAtLogin_->setChecked(loginItem_->isEnabled());
}

} // namespace tindrel
