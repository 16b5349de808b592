#pragma once

#include <string>

class QFont;
class QColor;

namespace rt {

struct Color
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

constexpr Color RGB(int red, int green, int blue) { return Color{red, green, blue}; }

// A font chosen by family and pixel height, so that text takes the same
// room on every screen.
struct Font
{
    std::string family;
    int pixelSize = 11;
    bool bold = false;
};

QColor toQColor(Color color);
QFont toQFont(const Font &font);

} // namespace rt
