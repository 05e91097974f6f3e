#include "Screenshot.h"

#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/views/result/HeaderBar.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace tindrel {
namespace {

// Without a real display there is no screen to grab: the window draws itself, with the history
// popup on top when it is open.
QPixmap windowPicture(MainWindow& window) {
    QPixmap picture = window.grab();
    QFrame* popup = window.header()->historyPopup();
    if (popup->isVisible()) {
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(popup->pos()), popup->grab());
    }
    return picture;
}

} // namespace

bool saveScreenshot(MainWindow& window, const QString& path) {
    QPixmap picture;
    // The whole screen shows sheets, the palette, the settings window and the tray panel as well.
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        picture = QGuiApplication::primaryScreen()->grabWindow(0);
    if (picture.isNull()) picture = windowPicture(window);
    return picture.save(path, "PNG");
}

} // namespace tindrel
