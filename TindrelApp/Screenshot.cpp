#include "Screenshot.h"

#include "TindrelAppUI/MainWindow.h"
#include "TindrelAppUI/views/HeaderBar.h"

#include <QFrame>
#include <QPainter>
#include <QPixmap>

namespace tindrel {

bool saveScreenshot(MainWindow& window, const QString& path) {
    QPixmap picture = window.grab();
    QFrame* popup = window.header()->historyPopup();
    if (popup->isVisible()) {
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(popup->pos()), popup->grab());
    }
    return picture.save(path, "PNG");
}

} // namespace tindrel
