#pragma once

class QColor;

namespace rt {

struct Color
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

constexpr Color RGB(int red, int green, int blue) { return Color{red, green, blue}; }

QColor toQColor(Color color);

} // namespace rt
