#pragma once

#include "TindrelAppUI/inspector/ScreenState.h"

#include <QObject>
#include <optional>

class QTimer;

namespace tindrel {

class InspectorModel;
class MainWindow;

// What the main window shows for the model's current state.
ScreenState screenStateOf(const InspectorModel& model);

// Keeps the main window drawn from the model and turns the window's requests into model operations.
// One change of the input notifies several properties; they are drawn together once control returns
// to the event loop.
class InspectorBinding final : public QObject {
    Q_OBJECT
public:
    InspectorBinding(InspectorModel& model, MainWindow& window, QObject* parent = nullptr);

    void setShortcutTip(std::optional<QString> tip);
    // Draws now instead of on the next turn of the event loop.
    void renderNow();

private:
    void connectModel();
    void connectWindow();

    InspectorModel& model_;
    MainWindow& window_;
    std::optional<QString> tip_;
    QTimer* pending_;
};

} // namespace tindrel
