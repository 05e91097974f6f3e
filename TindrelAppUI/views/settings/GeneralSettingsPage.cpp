#include "TindrelAppUI/views/settings/GeneralSettingsPage.h"

#include "TindrelAppUI/platform/LoginItem.h"
#include "TindrelAppUI/settings/HistoryPrivacy.h"
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
    layout->addWidget(historyWithoutSecrets(defaults));
    layout->addWidget(new LocalModelSection(defaults, std::move(probe)));
    layout->addStretch();

    connect(launchAtLogin_, &QCheckBox::toggled, this, &GeneralSettingsPage::launchAtLoginToggled);
}

QCheckBox* GeneralSettingsPage::historyWithoutSecrets(Defaults& defaults) {
    auto* box = new QCheckBox(QStringLiteral("Keep history without secrets"));
    box->setToolTip(QStringLiteral("Tokens, private keys, password hashes and secret query values are "
                                   "masked in the recent inspections"));
    box->setChecked(HistoryPrivacy::withoutSecrets(defaults));
    connect(box, &QCheckBox::toggled, this,
            [&defaults](bool on) { HistoryPrivacy::shared().store(defaults, on); });
    return box;
}

// A refusal is not reported; the toggle just shows the state the session really has.
void GeneralSettingsPage::launchAtLoginToggled(bool enabled) {
    if (loginItem_->setEnabled(enabled)) return;
    const QSignalBlocker quiet(launchAtLogin_);
    launchAtLogin_->setChecked(loginItem_->isEnabled());
}

} // namespace tindrel
