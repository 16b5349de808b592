#include "minyart.h"
#include "pixelart.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace minyart {

using namespace pixelart;

namespace {

constexpr int CellSize = 15;
constexpr int FaceSize = 25;
constexpr int FaceDiameter = 17;
constexpr int IconSize = 32;

// ---- Cells ----------------------------------------------------------------

QImage uncoveredCell()
{
    return filled(CellSize, CellSize, colour::Silver);
}

QImage raisedTile()
{
    QImage tile = uncoveredCell();
    const int last = CellSize - 1;
    fillRect(tile, 0, 0, CellSize, 1, colour::White);
    fillRect(tile, 0, 0, 1, CellSize, colour::White);
    fillRect(tile, 1, last, CellSize - 1, 1, colour::Grey);
    fillRect(tile, last, 1, 1, CellSize - 1, colour::Grey);
    return tile;
}

// Glyphs are 6 x 9 and sit on rows 3..11, columns 4..9 of a cell.
const QPoint GlyphOrigin(4, 3);

const std::array<Art, 8> DigitGlyphs = {{
    {
        "..##..",
        ".###..",
        "####..",
        "..##..",
        "..##..",
        "..##..",
        "..##..",
        "..##..",
        "######",
    },
    {
        ".####.",
        "##..##",
        "....##",
        "....##",
        "...##.",
        "..##..",
        ".##...",
        "##....",
        "######",
    },
    {
        ".####.",
        "##..##",
        "....##",
        "....##",
        "..###.",
        "....##",
        "....##",
        "##..##",
        ".####.",
    },
    {
        "...###",
        "..####",
        ".##.##",
        "##..##",
        "##..##",
        "######",
        "....##",
        "....##",
        "....##",
    },
    {
        "######",
        "##....",
        "##....",
        "#####.",
        "....##",
        "....##",
        "....##",
        "##..##",
        ".####.",
    },
    {
        ".####.",
        "##..##",
        "##....",
        "#####.",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        ".####.",
    },
    {
        "######",
        "....##",
        "....##",
        "...##.",
        "...##.",
        "..##..",
        "..##..",
        "..##..",
        "..##..",
    },
    {
        ".####.",
        "##..##",
        "##..##",
        "##..##",
        ".####.",
        "##..##",
        "##..##",
        "##..##",
        ".####.",
    },
}};

const std::array<QRgb, 8> DigitColours = {
    colour::Blue, colour::Green, colour::Red, colour::Navy,
    colour::Teal, colour::Maroon, colour::Purple, colour::Olive,
};

QImage digitCell(int digit)
{
    QImage cell = uncoveredCell();
    stamp(cell, GlyphOrigin, DigitGlyphs[digit - 1], DigitColours[digit - 1]);
    return cell;
}

QImage covered()
{
    return raisedTile();
}

QImage flag()
{
    QImage cell = raisedTile();
    stamp(cell, QPoint(3, 2), {
        "....KR.....",
        "....KRR....",
        "....KRRR...",
        "....KRRRR..",
        "....KRRR...",
        "....KRR....",
        "....KR.....",
        "....K......",
        "....K......",
        "..KKKKK....",
        "KKKKKKKKK..",
    });
    return cell;
}

QImage question()
{
    QImage cell = raisedTile();
    stamp(cell, GlyphOrigin, {
        ".####.",
        "##..##",
        "....##",
        "...##.",
        "..##..",
        "..##..",
        "......",
        "..##..",
        "..##..",
    }, colour::Blue);
    return cell;
}

void drawMine(QImage &cell)
{
    stamp(cell, QPoint(1, 1), {
        "......K......",
        "......K......",
        "..K...K...K..",
        "...K.KKK.K...",
        "....KKKKK....",
        "...KWKKKKK...",
        "KKKKKKKKKKKKK",
        "...KKKKKKK...",
        "....KKKKK....",
        "...K.KKK.K...",
        "..K...K...K..",
        "......K......",
        "......K......",
    });
}

QImage mine()
{
    QImage cell = uncoveredCell();
    drawMine(cell);
    return cell;
}

QImage mineHit()
{
    QImage cell = filled(CellSize, CellSize, colour::Red);
    drawMine(cell);
    return cell;
}

// A flag that was wrong: the covered tile crossed out. No mine is drawn, as
// none was there.
QImage wrongFlag()
{
    QImage cell = raisedTile();
    stamp(cell, QPoint(4, 4), {
        "#.....#",
        "##...##",
        ".##.##.",
        "..###..",
        ".##.##.",
        "##...##",
        "#.....#",
    }, colour::Red);
    return cell;
}

// ---- Faces ----------------------------------------------------------------

// Pixels of the frame are counted inwards from the top/left edges
// (light side) and from the bottom/right edges (dark side). The two
// sides meet on the diagonal running from top-right to bottom-left.
QImage buttonFrame(std::array<QRgb, 2> topLeftBands, std::array<QRgb, 2> bottomRightBands)
{
    QImage button = filled(FaceSize, FaceSize, colour::Silver);
    const int last = FaceSize - 1;
    for (int y = 0; y < FaceSize; ++y) {
        for (int x = 0; x < FaceSize; ++x) {
            const int fromTopLeft = std::min(x, y);
            const int fromBottomRight = std::min(last - x, last - y);
            const bool topLeftSide = x + y < last;
            if (topLeftSide && fromTopLeft < 2)
                button.setPixel(x, y, topLeftBands[fromTopLeft]);
            else if (!topLeftSide && fromBottomRight < 2)
                button.setPixel(x, y, bottomRightBands[fromBottomRight]);
        }
    }
    return button;
}

QImage raisedButton()
{
    return buttonFrame({colour::White, colour::White}, {colour::Black, colour::Grey});
}

QImage sunkenButton()
{
    return buttonFrame({colour::Black, colour::Grey}, {colour::White, colour::Silver});
}

const QPoint FaceOrigin((FaceSize - FaceDiameter) / 2, (FaceSize - FaceDiameter) / 2);

void drawHead(QImage &button, QPoint origin)
{
    disc(button, origin, FaceDiameter, colour::Yellow, colour::Black);
}

// Features are drawn relative to the head's bounding box; its centre is (8, 8).
void drawSmile(QImage &button, QPoint origin)
{
    stamp(button, origin + QPoint(4, 10), {
        "#.......#",
        ".#.....#.",
        "..#####..",
    }, colour::Black);
}

void drawNormalFace(QImage &button, QPoint origin)
{
    drawHead(button, origin);
    stamp(button, origin + QPoint(5, 5), {
        "##...##",
        "##...##",
    }, colour::Black);
    drawSmile(button, origin);
}

QImage faceNormal()
{
    QImage button = raisedButton();
    drawNormalFace(button, FaceOrigin);
    return button;
}

QImage facePressing()
{
    QImage button = raisedButton();
    drawHead(button, FaceOrigin);
    stamp(button, FaceOrigin + QPoint(3, 3), {
        ".##...##.",
        "####.####",
        "####.####",
        ".##...##.",
    }, colour::Black);
    stamp(button, FaceOrigin + QPoint(6, 10), {
        ".###.",
        "#...#",
        "#...#",
        ".###.",
    }, colour::Black);
    return button;
}

QImage faceDead()
{
    QImage button = raisedButton();
    drawHead(button, FaceOrigin);
    stamp(button, FaceOrigin + QPoint(4, 4), {
        "#.#...#.#",
        ".#.....#.",
        "#.#...#.#",
    }, colour::Black);
    stamp(button, FaceOrigin + QPoint(4, 10), {
        "..#####..",
        ".#.....#.",
        "#.......#",
    }, colour::Black);
    return button;
}

QImage faceCool()
{
    QImage button = raisedButton();
    drawHead(button, FaceOrigin);
    stamp(button, FaceOrigin + QPoint(1, 5), {
        "###############",
        "..#####.#####..",
        "...###...###...",
    }, colour::Black);
    drawSmile(button, FaceOrigin);
    return button;
}

QImage faceSunken()
{
    QImage button = sunkenButton();
    const QPoint pressed = FaceOrigin + QPoint(1, 1);
    disc(button, pressed + QPoint(1, 1), FaceDiameter, colour::Grey, colour::Grey);
    drawNormalFace(button, pressed);
    return button;
}

QImage placeholderFace()
{
    QImage image = filled(FaceSize, FaceSize, colour::Black);
    fillRect(image, FaceSize - 1, 0, 1, FaceSize, colour::Grey);
    fillRect(image, 0, FaceSize - 1, FaceSize, 1, colour::Grey);
    return image;
}

QImage placeholderCell()
{
    return filled(CellSize, CellSize, colour::Black);
}

// ---- Icon -----------------------------------------------------------------

// The icon is worked out in doubled coordinates centred on the middle of the
// 32 x 32 square, so that u and v run over the odd numbers -31..31.
struct IconPoint { int u; int v; };

IconPoint iconPoint(int x, int y)
{
    return {2 * x + 1 - IconSize, 2 * y + 1 - IconSize};
}

// Lengths below are doubled too: 20 means ten pixels.
constexpr int BodyRadius = 17;

bool inBody(IconPoint p)
{
    return p.u * p.u + p.v * p.v <= BodyRadius * BodyRadius;
}

// A horn pointing along an axis: a narrow stub ending in a wider cap.
bool inStraightHorn(int along, int across)
{
    along = std::abs(along);
    across = std::abs(across);
    const bool stub = along <= 25 && across <= 1;
    const bool cap = along >= 23 && along <= 29 && across <= 3;
    return stub || cap;
}

// The same along a diagonal, measured in the turned coordinates
// (u + v, u - v), which stretch every length by sqrt(2).
bool inDiagonalHorn(int along, int across)
{
    along = std::abs(along);
    across = std::abs(across);
    const bool stub = along <= 34 && across <= 2;
    const bool cap = along >= 30 && along <= 38 && across <= 6 && along + across <= 42;
    return stub || cap;
}

bool inHorn(IconPoint p)
{
    return inStraightHorn(p.u, p.v) || inStraightHorn(p.v, p.u)
        || inDiagonalHorn(p.u + p.v, p.u - p.v) || inDiagonalHorn(p.u - p.v, p.u + p.v);
}

// Light falls from the upper left. Horns are small, so they only get a
// lit and a shadowed side; the two horns on the boundary count as lit.
QRgb hornShade(IconPoint p)
{
    return p.u + p.v <= 6 ? colour::Grey : colour::Black;
}

// The body darkens with the distance from a highlight spot up and to the
// left of its centre.
QRgb bodyShade(IconPoint p)
{
    const int du = p.u + 7;
    const int dv = p.v + 7;
    const int distanceSquared = du * du + dv * dv;
    if (distanceSquared <= 6 * 6)
        return colour::White;
    if (distanceSquared <= 15 * 15)
        return colour::Silver;
    if (distanceSquared <= 24 * 24)
        return colour::Grey;
    return colour::Black;
}

QImage icon()
{
    QImage image = filled(IconSize, IconSize, colour::Transparent);
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const IconPoint p = iconPoint(x, y);
            if (inBody(p))
                image.setPixel(x, y, bodyShade(p));
            else if (inHorn(p))
                image.setPixel(x, y, hornShade(p));
        }
    }
    return image;
}

} // namespace

std::vector<Drawing> drawAll()
{
    std::vector<Drawing> drawings;
    for (int digit = 1; digit <= 8; ++digit)
        drawings.push_back({QStringLiteral("digit%1.png").arg(digit), digitCell(digit)});
    drawings.push_back({QStringLiteral("covered.png"), covered()});
    drawings.push_back({QStringLiteral("uncovered.png"), uncoveredCell()});
    drawings.push_back({QStringLiteral("flag.png"), flag()});
    drawings.push_back({QStringLiteral("question.png"), question()});
    drawings.push_back({QStringLiteral("mine.png"), mine()});
    drawings.push_back({QStringLiteral("minehit.png"), mineHit()});
    drawings.push_back({QStringLiteral("wrongflag.png"), wrongFlag()});
    drawings.push_back({QStringLiteral("face_normal.png"), faceNormal()});
    drawings.push_back({QStringLiteral("face_pressing.png"), facePressing()});
    drawings.push_back({QStringLiteral("face_dead.png"), faceDead()});
    drawings.push_back({QStringLiteral("face_cool.png"), faceCool()});
    drawings.push_back({QStringLiteral("face_sunken.png"), faceSunken()});
    drawings.push_back({QStringLiteral("placeholder_face.png"), placeholderFace()});
    drawings.push_back({QStringLiteral("placeholder_cell.png"), placeholderCell()});
    drawings.push_back({QStringLiteral("icon.png"), icon()});
    return drawings;
}

} // namespace minyart
