#include "pixelart.h"

namespace minyart::pixelart {

namespace {

QRgb paletteColour(char letter)
{
    switch (letter) {
    case 'K': return colour::Black;
    case 'M': return colour::Maroon;
    case 'G': return colour::Green;
    case 'O': return colour::Olive;
    case 'N': return colour::Navy;
    case 'P': return colour::Purple;
    case 'T': return colour::Teal;
    case 'S': return colour::Silver;
    case 'D': return colour::Grey;
    case 'R': return colour::Red;
    case 'L': return colour::Lime;
    case 'Y': return colour::Yellow;
    case 'B': return colour::Blue;
    case 'F': return colour::Fuchsia;
    case 'A': return colour::Aqua;
    case 'W': return colour::White;
    }
    qFatal("minyart: '%c' is not a palette letter", letter);
}

template<typename ColourOf>
void stampWith(QImage &image, QPoint topLeft, Art art, ColourOf colourOf)
{
    int y = topLeft.y();
    for (std::string_view row : art) {
        int x = topLeft.x();
        for (char letter : row) {
            if (letter != '.')
                image.setPixel(x, y, colourOf(letter));
            ++x;
        }
        ++y;
    }
}

// Works in doubled coordinates so that discs of odd and even
// diameter are both symmetric about their centre.
bool insideDisc(int x, int y, int diameter)
{
    if (x < 0 || y < 0 || x >= diameter || y >= diameter)
        return false;
    const int u = 2 * x + 1 - diameter;
    const int v = 2 * y + 1 - diameter;
    return u * u + v * v <= diameter * diameter;
}

bool onRim(int x, int y, int diameter)
{
    return !insideDisc(x - 1, y, diameter) || !insideDisc(x + 1, y, diameter)
        || !insideDisc(x, y - 1, diameter) || !insideDisc(x, y + 1, diameter);
}

} // namespace

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void fillRect(QImage &image, int x, int y, int width, int height, QRgb colour)
{
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            image.setPixel(column, row, colour);
    }
}

void stamp(QImage &image, QPoint topLeft, Art art)
{
    stampWith(image, topLeft, art, paletteColour);
}

void stamp(QImage &image, QPoint topLeft, Art art, QRgb ink)
{
    stampWith(image, topLeft, art, [ink](char letter) {
        if (letter != '#')
            qFatal("minyart: '%c' in a one-colour mask", letter);
        return ink;
    });
}

void disc(QImage &image, QPoint topLeft, int diameter, QRgb fill, QRgb rim)
{
    for (int y = 0; y < diameter; ++y) {
        for (int x = 0; x < diameter; ++x) {
            if (!insideDisc(x, y, diameter))
                continue;
            image.setPixel(topLeft.x() + x, topLeft.y() + y, onRim(x, y, diameter) ? rim : fill);
        }
    }
}

} // namespace minyart::pixelart
