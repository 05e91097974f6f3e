#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

// How the desktop recognises the running app: the name of its .desktop entry (so docks and task
// switchers group its windows under that entry) and its icon, the outline in white on a tile in the
// brand gradient, drawn to match the icon installed with the entry.
namespace tindrel::DesktopIdentity {

inline constexpr const char* desktopFileName = "tindrel";
inline constexpr std::array<int, 7> iconSizes{16, 24, 32, 48, 64, 128, 256};

QPixmap iconPixmap(int side);
QIcon icon();
// Sets the desktop file name and the window icon of every window; needs the application object.
void apply();

} // namespace tindrel::DesktopIdentity
