#pragma once

#include <QImage>

namespace pexesoart {

constexpr int faceCount = 18;

// The picture side of card number 1..faceCount: frame, motif and the number in the corner.
QImage drawFace(int number);

} // namespace pexesoart
