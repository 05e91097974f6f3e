#include "TindrelAppUI/views/Widgets.h"

#include "TindrelAppUI/style/Theme.h"

#include <QFrame>
#include <QLayout>

namespace tindrel {

QLabel* makeLabel(const QString& text, const char* role, bool selectable) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    Theme::setRole(label, role);
    if (selectable) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget* makeFrame(const char* role) {
    auto* frame = new QFrame;
    Theme::setRole(frame, role);
    return frame;
}

void clearLayout(QLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) delete widget;
        if (QLayout* nested = item->layout()) clearLayout(nested);
        delete item;
    }
}

} // namespace tindrel
