#pragma once

#include "canvas.h"

#include <QPoint>
#include <QStringView>

namespace pexesoart {

// Two hand-drawn bitmap fonts: 3x5 for numbers and tiny labels, 5x7 for the
// lettering on the card back. Only the characters the pictures need exist.
enum class FontSize { Small, Large };

int glyphHeight(FontSize size);
int textWidth(QStringView text, FontSize size);

// Adds the text with its top-left corner at topLeft, one empty column between letters.
void addText(Mask &mask, QPoint topLeft, QStringView text, FontSize size);

} // namespace pexesoart
