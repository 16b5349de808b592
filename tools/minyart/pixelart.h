#pragma once

#include <QImage>
#include <QPoint>
#include <initializer_list>
#include <string_view>

namespace minyart::pixelart {

// The sixteen colours every picture is drawn with.
namespace colour {
constexpr QRgb Black = 0xff000000;
constexpr QRgb Maroon = 0xff800000;
constexpr QRgb Green = 0xff008000;
constexpr QRgb Olive = 0xff808000;
constexpr QRgb Navy = 0xff000080;
constexpr QRgb Purple = 0xff800080;
constexpr QRgb Teal = 0xff008080;
constexpr QRgb Silver = 0xffc0c0c0;
constexpr QRgb Grey = 0xff808080;
constexpr QRgb Red = 0xffff0000;
constexpr QRgb Lime = 0xff00ff00;
constexpr QRgb Yellow = 0xffffff00;
constexpr QRgb Blue = 0xff0000ff;
constexpr QRgb Fuchsia = 0xffff00ff;
constexpr QRgb Aqua = 0xff00ffff;
constexpr QRgb White = 0xffffffff;
constexpr QRgb Transparent = 0x00000000;
}

// Rows of an ASCII-art grid. Letters name palette colours
// (K black, D grey, S silver, W white, R red, Y yellow, B blue, ...);
// '.' leaves the pixel beneath untouched.
using Art = std::initializer_list<std::string_view>;

QImage filled(int width, int height, QRgb colour);
void fillRect(QImage &image, int x, int y, int width, int height, QRgb colour);

// Draws every letter of art with its palette colour.
void stamp(QImage &image, QPoint topLeft, Art art);
// Draws every '#' of art with ink.
void stamp(QImage &image, QPoint topLeft, Art art, QRgb ink);

// A disc `diameter` pixels across whose top-left bounding corner is topLeft.
// Pixels on its rim (touching the outside) get rim, the rest get fill.
void disc(QImage &image, QPoint topLeft, int diameter, QRgb fill, QRgb rim);

} // namespace minyart::pixelart
