#include "TindrelAppUI/tray/TrayController.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/tray/MenuBarIcon.h"
#include "TindrelAppUI/tray/TrayPlacement.h"
#include "TindrelAppUI/views/TrayPanel.h"

#include <QCursor>
#include <QEvent>
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
    panel_->installEventFilter(this);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    icon_ = new QSystemTrayIcon(MenuBarIcon::image(), this);
    icon_->setToolTip(QString::fromLatin1(ScreenTexts::appTitle));
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayController::activate);
    icon_->show();
}

TrayController::~TrayController() = default;

bool TrayController::isShown() const {
    return panel_->isVisible();
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
    anchorIcon_ = icon_ ? icon_->geometry() : QRect();
    anchorCursor_ = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(anchorIcon_.isValid() ? anchorIcon_.center() : anchorCursor_);
    if (!screen) screen = QGuiApplication::primaryScreen();
    anchorArea_ = screen->availableGeometry();
    panel_->ensurePolished(); // the style sheet's margins and fonts are part of its size
    panel_->adjustSize();
    place();
    panel_->show();
    panel_->activateWindow();
    panel_->inspectButton()->setFocus(Qt::PopupFocusReason);
}

void TrayController::place() {
    panel_->move(trayPanelPosition(anchorIcon_, anchorCursor_, panel_->size(), anchorArea_));
}

// The panel grows and shrinks with its preview (Inspect Clipboard while it is open); it moves with
// every change so that it never hangs off the screen's edge.
bool TrayController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_.get() && event->type() == QEvent::Resize && panel_->isVisible()) place();
    return QObject::eventFilter(watched, event);
}

} // namespace tindrel
