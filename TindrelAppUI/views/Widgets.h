#pragma once

#include <QLabel>
#include <QString>

class QLayout;

namespace tindrel {

// A label styled by its role; `selectable` lets the user copy the text with the mouse.
QLabel* makeLabel(const QString& text, const char* role, bool selectable = false);
// A plain frame styled by its role.
QWidget* makeFrame(const char* role);
// Deletes every item of the layout together with its widgets and nested layouts.
void clearLayout(QLayout* layout);

} // namespace tindrel
