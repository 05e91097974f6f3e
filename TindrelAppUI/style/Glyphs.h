#pragma once

#include "TindrelAppUI/style/Symbols.h"

#include <QColor>

class QPainter;

namespace tindrel::Glyphs {

// The side of the square every glyph is designed in; painters scale it to the size they draw.
inline constexpr double designSide = 16.0;

// Draws the symbol's glyph in `ink`, in the 16×16 design square, onto a painter whose device has an
// alpha channel (cut-outs clear it to transparent).
void draw(QPainter& painter, Symbol which, const QColor& ink);

} // namespace tindrel::Glyphs
