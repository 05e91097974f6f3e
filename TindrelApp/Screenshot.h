#pragma once

#include <QString>

namespace tindrel {

class MainWindow;

// Saves the window as a PNG, with the history popup drawn over it where it is open.
bool saveScreenshot(MainWindow& window, const QString& path);

} // namespace tindrel
