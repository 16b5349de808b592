#include "pexesoart.h"

#include "canvas.h"
#include "faces.h"
#include "palette.h"
#include "pixelfont.h"

#include <cstdlib>

namespace pexesoart {

namespace {

using namespace palette;

constexpr int cardSize = 70;
constexpr int cardFrame = 2;
constexpr int tileSize = 50;
constexpr int tileRepeat = 25;
constexpr int iconSize = 32;

QImage drawEmptyPlace()
{
    return Canvas(cardSize, cardSize, transparent).image();
}

// Vertical stripes of two colours, each stripeWidth wide, with one black line between them.
QRgb stripeAt(int x, int stripeWidth, QRgb first, QRgb second)
{
    const int period = stripeWidth + 1;
    if (x % period == stripeWidth)
        return black;
    return (x / period) % 2 == 0 ? first : second;
}

QImage drawBack()
{
    Canvas back(cardSize, cardSize, black);
    const int inner = cardSize - 2 * cardFrame;
    const Mask inside = back.mask().addRect(QRect(cardFrame, cardFrame, inner, inner));
    back.fill(inside, [](int x, int y) {
        if (std::abs(x - y) <= 14)
            return green;
        return stripeAt(x - cardFrame, 4, teal, olive);
    });

    const QString word = QStringLiteral("PEXESO");
    Mask letters = back.mask();
    for (int i = 0; i < word.size(); ++i)
        addText(letters, QPoint(7 + 10 * i, 6 + 10 * i), QStringView(word).mid(i, 1), FontSize::Large);
    back.fill(letters.grown().subtract(letters), yellow);
    back.fill(letters, black);
    return back.image();
}

// Diamonds centred in each repeat cell, with the background forming the diamonds between them.
QImage drawTile()
{
    Canvas tile(tileSize, tileSize, green);
    const int centre = tileRepeat / 2;
    tile.fill(tile.mask().addRect(QRect(0, 0, tileSize, tileSize)), [centre](int x, int y) {
        const int distance = std::abs(x % tileRepeat - centre) + std::abs(y % tileRepeat - centre);
        return distance <= centre ? teal : green;
    });
    return tile.image();
}

bool isCutCorner(int x, int y)
{
    const int fromLeft = x;
    const int fromRight = iconSize - 1 - x;
    const int fromTop = y;
    const int fromBottom = iconSize - 1 - y;
    return std::min(fromLeft, fromRight) + std::min(fromTop, fromBottom) < 2;
}

QImage drawIcon()
{
    Canvas icon(iconSize, iconSize, transparent);
    Mask card = icon.mask();
    for (int y = 0; y < iconSize; ++y) {
        for (int x = 0; x < iconSize; ++x) {
            if (!isCutCorner(x, y))
                card.add(x, y);
        }
    }
    icon.fill(card, [](int x, int y) {
        if (std::abs(x - y) <= 5)
            return green;
        return stripeAt(x - 1, 2, teal, olive);
    });
    icon.fill(card.outline(), black);

    const QString word = QStringLiteral("PEXESO");
    Mask letters = icon.mask();
    for (int i = 0; i < word.size(); ++i)
        addText(letters, QPoint(4 + 4 * i, 3 + 4 * i), QStringView(word).mid(i, 1), FontSize::Small);
    icon.fill(letters, black);

    QImage image = icon.image();
    for (int y = 0; y < iconSize; ++y) {
        for (int x = 0; x < iconSize; ++x)
            image.setPixel(x, y, halfIntensity(image.pixel(x, y)));
    }
    return image;
}

QString faceFileName(int number)
{
    return QStringLiteral("face%1.png").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<Drawing> drawAll()
{
    std::vector<Drawing> drawings;
    drawings.push_back({QStringLiteral("empty.png"), drawEmptyPlace()});
    const QImage back = drawBack();
    drawings.push_back({QStringLiteral("back.png"), back});
    for (int number = 1; number <= faceCount; ++number)
        drawings.push_back({faceFileName(number), drawFace(number)});
    drawings.push_back({QStringLiteral("place0.png"), back});
    drawings.push_back({QStringLiteral("tile.png"), drawTile()});
    drawings.push_back({QStringLiteral("icon.png"), drawIcon()});
    return drawings;
}

} // namespace pexesoart
