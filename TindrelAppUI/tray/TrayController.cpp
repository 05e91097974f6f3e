#include "TindrelAppUI/tray/TrayController.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/tray/MenuBarIcon.h"
#include "TindrelAppUI/tray/TrayPlacement.h"
#include "TindrelAppUI/views/TrayPanel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace tindrel {

TrayController::TrayController(InspectorModel& model, Pasteboard& pasteboard, QObject* parent)
    : QObject(parent)
    , panel_(std::make_unique<TrayPanel>(model, pasteboard)) {
    connect(panel_.get(), &TrayPanel::hidden, this, [this] { sinceHidden_.start(); });
    connect(panel_.get(), &TrayPanel::openRequested, this, [this] {
        panel_->hide();
        emit openRequested();
    });
    connect(panel_.get(), &TrayPanel::quitRequested, this, &TrayController::quitRequested);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    icon_ = new QSystemTrayIcon(MenuBarIcon::image(MenuBarIcon::inkFor(Appearance::light)), this);
    icon_->setToolTip(QString::fromLatin1(ScreenTexts::appTitle));
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayController::activate);
    icon_->show();
}

TrayController::~TrayController() = default;

bool TrayController::isShown() const {
    return panel_->isVisible();
}

void TrayController::setInk(const QColor& ink) {
    if (icon_) icon_->setIcon(MenuBarIcon::image(ink));
}

void TrayController::activate(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context) togglePanel();
}

void TrayController::togglePanel() {
    if (panel_->isVisible()) {
        panel_->hide();
        return;
    }
    if (sinceHidden_.isValid() && !sinceHidden_.hasExpired(dismissClickMs)) return;
    showPanel();
}

void TrayController::showPanel() {
    const QRect iconArea = icon_ ? icon_->geometry() : QRect();
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(iconArea.isValid() ? iconArea.center() : cursor);
    if (!screen) screen = QGuiApplication::primaryScreen();
    panel_->adjustSize();
    panel_->move(trayPanelPosition(iconArea, cursor, panel_->size(), screen->availableGeometry()));
    panel_->show();
    panel_->activateWindow();
    panel_->inspectButton()->setFocus(Qt::PopupFocusReason);
}

} // namespace tindrel
