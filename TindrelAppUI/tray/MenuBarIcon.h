#pragma once

#include "TindrelAppUI/style/TindrelColor.h"

#include <QColor>
#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <array>

// The tray icon: one closed, smoothly irregular, roughly circular outline centred in an 18×18 square,
// drawn in a single ink on a transparent background. Each size is drawn at its own pixel size rather
// than scaled from another, so the stroke stays crisp.
namespace tindrel::MenuBarIcon {

inline constexpr double designSide = 18.0;
inline constexpr double strokeWidth = 1.6; // in design units
inline constexpr std::array<int, 7> sizes{18, 22, 24, 32, 36, 48, 64};

// The outline in design units (the 18×18 square).
QPainterPath outline();
// The ink that stands out on a panel of that appearance: black on light, white on dark.
QColor inkFor(Appearance panel);
// One size, `side` pixels square.
QPixmap pixmap(int side, const QColor& ink);
// Every size, marked as a mask so desktops that tint symbolic icons can.
QIcon image(const QColor& ink);

} // namespace tindrel::MenuBarIcon
