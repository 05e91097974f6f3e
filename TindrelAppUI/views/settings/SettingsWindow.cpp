#include "TindrelAppUI/views/settings/SettingsWindow.h"

#include "TindrelAppUI/inspector/ModelStatusProbe.h"
#include "TindrelAppUI/platform/LoginItem.h"
#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/settings/AboutSettingsPage.h"
#include "TindrelAppUI/views/settings/AppearanceSettingsPage.h"
#include "TindrelAppUI/views/settings/GeneralSettingsPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace tindrel {
namespace {

constexpr QSize defaultSize{560, 520};

} // namespace

SettingsWindow::SettingsWindow(HotKeyManager& hotKeys, Defaults& defaults,
                               std::shared_ptr<LoginItemService> loginItem,
                               std::shared_ptr<ModelStatusProbe> probe, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , defaults_(defaults)
    , readOnlyNotice_(makeLabel(
          QStringLiteral("Your settings file is read-only — changes last until Tindrel quits."), "secondary"))
    , tabs_(new QTabWidget) {
    setWindowTitle(QStringLiteral("Settings"));
    Theme::setRole(this, "root");
    tabs_->addTab(new GeneralSettingsPage(hotKeys, defaults, std::move(loginItem), std::move(probe)),
                  symbol(Symbol::settings), QStringLiteral("General"));
    tabs_->addTab(new AppearanceSettingsPage(defaults), symbol(Symbol::appearance),
                  QStringLiteral("Appearance"));
    // "&&" draws one ampersand; a single one would mark a mnemonic.
    tabs_->addTab(new AboutSettingsPage, symbol(Symbol::lock), QStringLiteral("Privacy && About"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readOnlyNotice_);
    layout->addWidget(tabs_);
    resize(defaultSize);
    showWhetherChangesAreSaved();
    // A refusal can come from a change made on another tab, or while the window was closed.
    connect(tabs_, &QTabWidget::currentChanged, this, &SettingsWindow::showWhetherChangesAreSaved);
}

void SettingsWindow::showEvent(QShowEvent* event) {
    showWhetherChangesAreSaved();
    QWidget::showEvent(event);
}

void SettingsWindow::showWhetherChangesAreSaved() {
    readOnlyNotice_->setVisible(defaults_.writeRefused());
}

std::unique_ptr<SettingsWindow> SettingsWindow::withSystemServices(HotKeyManager& hotKeys,
                                                                   Defaults& defaults) {
    return std::make_unique<SettingsWindow>(hotKeys, defaults, makeSystemLoginItem(), makeLocalModelProbe());
}

} // namespace tindrel
