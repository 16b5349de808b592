#include "faces.h"

#include "canvas.h"
#include "palette.h"
#include "pixelfont.h"

#include <QLine>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>

namespace pexesoart {

namespace {

using namespace palette;

constexpr int cardSize = 70;
constexpr int frameWidth = 2;

// Rectangles are given by their first and last pixel, which is how the motifs were planned.
QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect rowsUpTo(int lastRow)
{
    return box(0, 0, cardSize - 1, lastRow);
}

QRect rowsFrom(int firstRow)
{
    return box(0, firstRow, cardSize - 1, cardSize - 1);
}

Mask bothSides(Mask shape)
{
    return shape.add(shape.mirroredLeftRight());
}

Mask ellipseMask(const Canvas &canvas, const QRect &bounds)
{
    return canvas.mask().addEllipse(bounds);
}

void drawInsect(Canvas &c)
{
    c.fill(ellipseMask(c, box(10, 52, 60, 59)), grey);

    struct Leg { QPoint hip, knee, foot; };
    const Leg legs[] = {
        {{21, 35}, {9, 19}, {5, 55}},
        {{24, 36}, {18, 15}, {15, 57}},
        {{31, 36}, {29, 13}, {27, 57}},
        {{34, 36}, {39, 13}, {40, 57}},
        {{41, 35}, {49, 11}, {54, 56}},
        {{43, 35}, {60, 20}, {64, 55}},
    };
    for (const Leg &leg : legs) {
        c.line(leg.hip, leg.knee, black);
        c.line(leg.knee, leg.foot, black);
    }

    const Mask body = ellipseMask(c, box(15, 29, 47, 39));
    c.fill(body, [](int x, int) { return ((x - 15) / 3) % 2 == 0 ? green : blue; });
    c.fill(body.outline(), black);

    c.line({53, 26}, {60, 12}, black);
    c.line({50, 25}, {54, 10}, black);
    c.ellipse(box(45, 25, 56, 36), red, black);
    c.fillRect(box(51, 28, 53, 30), black);
    c.setPixel(51, 28, white);
}

void drawSweets(Canvas &c)
{
    // A wrapped candy: twisted ends behind an oval middle.
    c.polygon({QPoint(17, 16), QPoint(6, 9), QPoint(9, 16), QPoint(6, 23)}, red, black);
    c.polygon({QPoint(31, 16), QPoint(42, 9), QPoint(39, 16), QPoint(42, 23)}, red, black);
    c.line({9, 12}, {14, 15}, maroon);
    c.line({9, 20}, {14, 17}, maroon);
    c.line({39, 12}, {34, 15}, maroon);
    c.line({39, 20}, {34, 17}, maroon);
    c.ellipse(box(15, 10, 33, 22), red, black);
    c.line({18, 13}, {21, 12}, white);
    c.setPixel(17, 14, white);

    // An ice-cream cup with three scoops and a cherry.
    c.line({53, 14}, {57, 6}, olive);
    c.ellipse(box(47, 16, 58, 27), maroon, black);
    c.ellipse(box(50, 9, 55, 14), red, black);
    c.ellipse(box(42, 25, 53, 36), lime, black);
    c.ellipse(box(52, 25, 63, 36), fuchsia, black);
    const Mask cup = c.mask().addPolygon({QPoint(43, 34), QPoint(62, 34), QPoint(58, 56), QPoint(47, 56)});
    c.fill(cup, [](int x, int) { return (x / 3) % 2 == 0 ? blue : aqua; });
    c.fill(cup.outline(), black);

    // A slice of layered cake, its point towards the left.
    const Mask side = c.mask().addPolygon({QPoint(8, 46), QPoint(40, 40), QPoint(40, 57), QPoint(8, 57)});
    c.fill(side, [](int, int y) {
        const bool cream = (y >= 45 && y <= 46) || (y >= 51 && y <= 52);
        return cream ? fuchsia : yellow;
    });
    c.fill(side.outline(), black);
    c.polygon({QPoint(8, 46), QPoint(32, 35), QPoint(40, 40)}, white, black);
    c.ellipse(box(31, 32, 37, 38), red, black);
    c.setPixel(33, 34, white);
}

void drawTeddyBear(Canvas &c)
{
    const QRgb fur = blue;
    const QRgb edge = navy;
    const QRgb light = aqua;

    c.ellipse(box(11, 35, 23, 52), fur, edge);
    c.ellipse(box(46, 35, 58, 52), fur, edge);
    c.ellipse(box(17, 49, 31, 62), fur, edge);
    c.ellipse(box(38, 49, 52, 62), fur, edge);
    c.ellipse(box(20, 32, 49, 59), fur, edge);
    c.ellipse(box(27, 41, 42, 56), light, light);
    c.ellipse(box(20, 54, 28, 61), light, edge);
    c.ellipse(box(41, 54, 49, 61), light, edge);

    c.ellipse(box(17, 5, 29, 17), fur, edge);
    c.ellipse(box(40, 5, 52, 17), fur, edge);
    c.ellipse(box(20, 8, 26, 14), light, light);
    c.ellipse(box(43, 8, 49, 14), light, light);
    c.ellipse(box(20, 8, 49, 35), fur, edge);
    c.ellipse(box(28, 21, 41, 32), light, edge);
    c.ellipse(box(32, 21, 37, 25), black, black);
    c.line({34, 26}, {34, 28}, black);
    c.line({35, 26}, {35, 28}, black);
    c.line({31, 28}, {33, 29}, black);
    c.line({36, 29}, {38, 28}, black);
    c.fillRect(box(26, 15, 28, 17), black);
    c.fillRect(box(41, 15, 43, 17), black);
    c.setPixel(26, 15, white);
    c.setPixel(41, 15, white);

    c.polygon({QPoint(34, 36), QPoint(26, 32), QPoint(26, 41)}, red, black);
    c.polygon({QPoint(35, 36), QPoint(43, 32), QPoint(43, 41)}, red, black);
    c.ellipse(box(32, 34, 37, 39), red, black);
}

void drawSpaghetti(Canvas &c)
{
    c.ellipse(box(3, 26, 55, 61), silver, black);
    c.ellipse(box(10, 31, 48, 56), white, grey);

    // A heap of noodles: many small loops crossing each other.
    const Mask heap = ellipseMask(c, box(11, 23, 47, 53));
    c.fill(heap, yellow);
    Mask noodles = c.mask();
    for (int i = 0; i < 24; ++i) {
        const int x = 13 + (i * 13) % 33;
        const int y = 25 + (i * 7) % 27;
        const int halfWidth = 3 + i % 4;
        const int halfHeight = 2 + (i * 2) % 3;
        noodles.add(ellipseMask(c, box(x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight)).outline());
    }
    c.fill(noodles.intersect(heap), olive);
    c.fill(heap.outline(), olive);
    c.line({14, 48}, {11, 53}, olive);
    c.line({44, 48}, {47, 52}, olive);

    Mask sauce = ellipseMask(c, box(19, 27, 39, 40));
    sauce.add(ellipseMask(c, box(16, 30, 27, 38))).add(ellipseMask(c, box(32, 24, 42, 34)));
    c.paint(sauce, red, maroon);
    for (const QRect &meatball : {box(20, 31, 25, 36), box(28, 27, 33, 32), box(33, 33, 38, 38)}) {
        c.ellipse(meatball, maroon, black);
        c.setPixel(meatball.left() + 1, meatball.top() + 1, red);
    }

    const Mask fork = c.mask().addRect(box(56, 19, 64, 23)).addRect(box(58, 24, 62, 58));
    c.paint(fork, silver, black);
    for (int x = 57; x <= 63; x += 2)
        c.line({x, 9}, {x, 19}, black);
}

void drawSnowman(Canvas &c)
{
    c.line({53, 22}, {58, 60}, maroon, 2);
    const Mask bristles = c.mask().addPolygon({QPoint(52, 23), QPoint(46, 5), QPoint(60, 4), QPoint(55, 23)});
    c.fill(bristles, [](int x, int) { return x % 2 == 0 ? olive : yellow; });
    c.fill(bristles.outline(), black);
    c.fillRect(box(51, 21, 56, 23), maroon);

    const QRect balls[] = {box(15, 40, 51, 64), box(19, 24, 47, 46), box(23, 11, 43, 29)};
    for (const QRect &ball : balls) {
        const Mask snow = ellipseMask(c, ball);
        const Mask lit = ellipseMask(c, ball.translated(-4, -3));
        c.fill(snow, silver);
        c.fill(Mask(snow).intersect(lit), white);
        c.fill(snow.outline(), black);
    }

    c.line({21, 33}, {9, 24}, maroon, 2);
    c.line({11, 26}, {9, 20}, maroon);
    c.line({12, 26}, {6, 26}, maroon);
    c.line({45, 33}, {54, 27}, maroon, 2);

    c.fillRect(box(20, 10, 46, 12), black);
    c.fillRect(box(26, 2, 40, 10), black);
    c.fillRect(box(26, 8, 40, 9), red);

    c.fillRect(box(28, 16, 29, 17), black);
    c.fillRect(box(37, 16, 38, 17), black);
    c.polygon({QPoint(33, 19), QPoint(33, 21), QPoint(41, 21)}, red, red);
    const QPoint smile[] = {{28, 24}, {30, 25}, {32, 26}, {34, 26}, {36, 25}, {38, 24}};
    for (QPoint dot : smile)
        c.setPixel(dot.x(), dot.y(), black);
    for (int y : {31, 36, 41, 48, 55})
        c.fillRect(box(33, y, 34, y + 1), black);
}

void drawButterfly(Canvas &c)
{
    Mask lowerWing = ellipseMask(c, box(11, 34, 33, 60));
    lowerWing.addPolygon({QPoint(34, 33), QPoint(17, 38), QPoint(25, 58), QPoint(34, 50)});
    Mask upperWing = ellipseMask(c, box(3, 5, 29, 33));
    upperWing.addPolygon({QPoint(34, 20), QPoint(14, 7), QPoint(6, 28), QPoint(34, 37)});
    const Mask lowerWings = bothSides(lowerWing);
    const Mask upperWings = bothSides(upperWing);
    c.paint(lowerWings, red, black);
    c.paint(upperWings, red, black);

    // The outer corners of the front wings are black with white spots.
    const Mask tips = bothSides(ellipseMask(c, box(0, 1, 18, 19)));
    c.fill(Mask(upperWings).intersect(tips), black);
    Mask whiteSpots = c.mask();
    for (QPoint spot : {QPoint(8, 10), QPoint(12, 8), QPoint(7, 15), QPoint(13, 13)})
        whiteSpots.addRect(QRect(spot, QSize(2, 2)));
    c.fill(bothSides(whiteSpots), white);
    Mask blackSpots = c.mask();
    for (QPoint spot : {QPoint(17, 47), QPoint(22, 53), QPoint(15, 41)})
        blackSpots.addEllipse(QRect(spot, QSize(3, 3)));
    c.fill(bothSides(blackSpots), black);
    c.paint(bothSides(ellipseMask(c, box(20, 21, 26, 27))), yellow, black);

    c.line({33, 14}, {26, 4}, black);
    c.line({36, 14}, {43, 4}, black);
    c.fillRect(box(25, 3, 26, 4), black);
    c.fillRect(box(43, 3, 44, 4), black);
    c.ellipse(box(32, 16, 37, 54), black, black);
    c.ellipse(box(31, 11, 38, 18), black, black);
}

void drawFrog(Canvas &c)
{
    c.ellipse(box(6, 40, 24, 60), blue, navy);
    c.ellipse(box(45, 40, 63, 60), blue, navy);
    c.ellipse(box(14, 22, 55, 58), blue, navy);
    c.ellipse(box(23, 37, 46, 58), yellow, olive);

    for (int left : {14, 39}) {
        c.ellipse(box(left, 10, left + 16, 26), blue, navy);
        c.ellipse(box(left + 3, 13, left + 13, 23), white, black);
        c.fillRect(box(left + 6, 16, left + 10, 20), black);
        c.setPixel(left + 7, 17, white);
    }
    Mask mouth = ellipseMask(c, box(20, 20, 49, 36)).outline();
    c.fill(mouth.keepOnly(rowsFrom(31)), black);
    c.setPixel(32, 27, black);
    c.setPixel(37, 27, black);

    Mask spots = c.mask();
    for (QPoint spot : {QPoint(17, 33), QPoint(12, 46), QPoint(19, 41)})
        spots.addEllipse(QRect(spot, QSize(4, 4)));
    c.fill(bothSides(spots), yellow);
    for (int toe : {18, 23, 28, 38, 43, 48})
        c.ellipse(box(toe, 56, toe + 4, 61), yellow, olive);
}

// Short hairs sticking out on both sides of a leg segment.
void addHairs(Mask &mask, QPoint from, QPoint to)
{
    const QPoint along = to - from;
    const int steps = std::max(std::abs(along.x()), std::abs(along.y()));
    const QPoint across((along.y() > 0) - (along.y() < 0), (along.x() < 0) - (along.x() > 0));
    for (int step = 2; step < steps; step += 3) {
        const QPoint at = from + along * step / steps;
        mask.add(at.x() + 2 * across.x(), at.y() + 2 * across.y());
        mask.add(at.x() - 2 * across.x(), at.y() - 2 * across.y());
    }
}

void drawSpider(Canvas &c)
{
    struct Leg { QPoint hip, knee, foot; };
    const Leg legs[] = {
        {{30, 20}, {18, 5}, {7, 10}},
        {{29, 24}, {11, 16}, {4, 26}},
        {{29, 29}, {12, 34}, {6, 46}},
        {{30, 33}, {19, 46}, {13, 58}},
    };
    Mask legMask = c.mask();
    for (const Leg &leg : legs) {
        legMask.addLine(leg.hip, leg.knee, 2).addLine(leg.knee, leg.foot, 2);
        addHairs(legMask, leg.hip, leg.knee);
        addHairs(legMask, leg.knee, leg.foot);
    }
    legMask.add(legMask.mirroredLeftRight());
    c.fill(legMask, black);

    Mask body = ellipseMask(c, box(21, 29, 48, 58));
    body.add(ellipseMask(c, box(27, 14, 42, 32)));
    Mask tufts = c.mask();
    body.outline().forEachPixel([&](int x, int y) {
        if ((x + 2 * y) % 3 == 0)
            tufts.addLine({x, y}, {x + (x < 35 ? -2 : 2), y + (y < 36 ? -1 : 2)});
    });
    c.fill(tufts, black);
    c.fill(body, black);
    // Light hairs speckled over the body; the rim stays black so the shape reads clearly.
    c.fill(Mask(body).subtract(body.outline().grown()), [](int x, int y) { return (x + 3 * y) % 7 == 0 ? grey : black; });
    for (int y = 38; y <= 50; y += 4) {
        c.line({30, y}, {34, y + 3}, maroon);
        c.line({35, y + 3}, {39, y}, maroon);
    }
    for (int x : {31, 33, 36, 38})
        c.setPixel(x, 19, red);
    c.setPixel(33, 17, red);
    c.setPixel(36, 17, red);
    c.line({32, 28}, {33, 31}, grey);
    c.line({37, 28}, {36, 31}, grey);
}

void drawPufferFish(Canvas &c)
{
    const QPoint centre(33, 32);
    const QPoint directions[] = {{0, -10}, {4, -9}, {7, -7}, {9, -4}, {9, 4}, {7, 7}, {4, 9}, {0, 10},
                                 {-4, 9}, {-7, 7}, {-7, -7}, {-4, -9}};
    for (QPoint direction : directions)
        c.line(centre + direction * 17 / 10, centre + direction * 24 / 10, black);

    c.polygon({QPoint(16, 32), QPoint(4, 21), QPoint(8, 32), QPoint(4, 43)}, yellow, black);
    c.line({7, 26}, {13, 31}, olive);
    c.line({7, 38}, {13, 33}, olive);

    const Mask body = ellipseMask(c, box(14, 13, 52, 51));
    c.fill(body, yellow);
    c.fill(Mask(body).subtract(ellipseMask(c, box(12, 9, 50, 45))), olive);
    c.fill(body.outline(), black);
    for (QPoint spot : {QPoint(24, 18), QPoint(32, 17), QPoint(20, 26), QPoint(28, 24), QPoint(36, 22),
                        QPoint(23, 34), QPoint(31, 30)})
        c.fillRect(box(spot.x(), spot.y(), spot.x() + 1, spot.y() + 1), olive);

    c.ellipse(box(21, 37, 31, 44), yellow, olive);
    c.line({30, 40}, {23, 39}, olive);
    c.line({30, 41}, {24, 43}, olive);
    c.ellipse(box(38, 19, 48, 29), white, black);
    c.fillRect(box(43, 22, 46, 26), black);
    c.setPixel(44, 23, white);
    c.ellipse(box(49, 32, 55, 38), red, black);
    c.fillRect(box(52, 34, 53, 36), maroon);
}

void drawFlowerBranch(Canvas &c)
{
    c.line({8, 58}, {60, 14}, maroon, 3);
    c.line({24, 45}, {18, 24}, maroon, 2);
    c.line({46, 26}, {60, 34}, maroon, 2);
    c.line({54, 19}, {52, 7}, maroon, 2);

    struct Leaf { QPoint base, side, tip, otherSide; };
    const Leaf leaves[] = {
        {{14, 53}, {12, 42}, {6, 36}, {19, 44}},
        {{30, 40}, {37, 44}, {44, 54}, {32, 48}},
        {{40, 32}, {31, 25}, {27, 14}, {38, 20}},
        {{50, 23}, {58, 23}, {65, 28}, {56, 27}},
        {{22, 40}, {13, 37}, {8, 32}, {17, 33}},
    };
    for (const Leaf &leaf : leaves) {
        const Mask blade = c.mask().addPolygon({leaf.base, leaf.side, leaf.tip, leaf.otherSide});
        c.paint(blade, green, black);
        c.fill(c.mask().addLine(leaf.base, leaf.tip).subtract(blade.outline()).intersect(blade), lime);
    }

    for (QPoint bud : {QPoint(18, 22), QPoint(61, 35), QPoint(52, 6)}) {
        c.ellipse(box(bud.x() - 3, bud.y() - 5, bud.x() + 3, bud.y() + 2), red, maroon);
        c.polygon({bud, bud + QPoint(-3, 2), bud + QPoint(3, 2)}, green, green);
    }

    const QPoint centre(34, 33);
    const QPoint petals[] = {{0, -8}, {8, -3}, {5, 7}, {-5, 7}, {-8, -3}};
    for (QPoint petal : petals) {
        const QPoint at = centre + petal;
        c.ellipse(box(at.x() - 6, at.y() - 6, at.x() + 6, at.y() + 6), red, maroon);
    }
    c.ellipse(box(30, 29, 38, 37), yellow, olive);
    c.setPixel(33, 32, olive);
    c.setPixel(35, 34, olive);
}

void drawDrum(Canvas &c, const QRect &bounds)
{
    const int headHeight = bounds.width() / 3;
    Mask shell = c.mask().addRect(box(bounds.left(), bounds.top() + headHeight / 2, bounds.right(),
                                      bounds.bottom() - headHeight / 2));
    const QRect bottomRim = box(bounds.left(), bounds.bottom() - headHeight, bounds.right(), bounds.bottom());
    shell.add(ellipseMask(c, bottomRim));
    c.fill(shell, red);

    Mask rope = c.mask();
    const int ropeTop = bounds.top() + headHeight;
    const int ropeBottom = bounds.bottom() - headHeight / 2 - 2;
    for (int x = bounds.left() + 2; x + 6 <= bounds.right(); x += 6) {
        rope.addLine({x, ropeTop}, {x + 3, ropeBottom});
        rope.addLine({x + 3, ropeBottom}, {x + 6, ropeTop});
    }
    c.fill(rope, white);
    const Mask bottomHoop = ellipseMask(c, bottomRim)
                                .subtract(ellipseMask(c, bottomRim.translated(0, -3)))
                                .keepOnly(rowsFrom(bottomRim.center().y() + 1));
    c.fill(bottomHoop, maroon);
    c.fill(shell.outline(), black);

    const QRect head = box(bounds.left(), bounds.top(), bounds.right(), bounds.top() + headHeight);
    c.ellipse(head, maroon, black);
    c.ellipse(head.adjusted(2, 1, -2, -2), yellow, olive);
}

void drawDrums(Canvas &c)
{
    c.line({42, 16}, {62, 2}, olive, 2);
    c.line({38, 13}, {50, 2}, olive, 2);
    drawDrum(c, box(34, 13, 63, 46));
    drawDrum(c, box(7, 26, 40, 62));
    c.line({12, 22}, {30, 34}, olive, 2);
    c.ellipse(box(10, 20, 13, 23), maroon, black);
    c.ellipse(box(28, 31, 31, 34), maroon, black);
    c.ellipse(box(60, 2, 63, 5), maroon, black);
}

void drawFlytrap(Canvas &c)
{
    const Mask upperJaw = ellipseMask(c, box(10, 4, 59, 34)).keepOnly(rowsUpTo(19));
    const Mask lowerJaw = ellipseMask(c, box(13, 22, 56, 46)).keepOnly(rowsFrom(32));
    Mask spikes = c.mask();
    for (int x = 12; x <= 57; x += 3) {
        spikes.addLine({x, 19}, {x + 1, 24});
        spikes.addLine({x, 32}, {x + 1, 27});
    }
    for (const Mask &jaw : {upperJaw, lowerJaw}) {
        jaw.outline().forEachPixel([&](int x, int y) {
            if (x % 4 == 0 && (y < 18 || y > 33))
                spikes.addLine({x, y}, {x + (x < 35 ? -2 : 2), y + (y < 25 ? -3 : 3)});
        });
    }
    c.fill(spikes, red);
    for (const Mask &jaw : {upperJaw, lowerJaw}) {
        c.fill(jaw, red);
        c.fill(Mask(jaw).subtract(jaw.outline().grown().grown()), maroon);
        c.fill(jaw.outline(), black);
    }
    c.line({34, 46}, {34, 62}, green, 3);
    c.polygon({QPoint(34, 58), QPoint(24, 48), QPoint(12, 46), QPoint(20, 55)}, green, black);
    c.polygon({QPoint(35, 52), QPoint(45, 42), QPoint(58, 41), QPoint(50, 50)}, green, black);
    c.line({33, 57}, {16, 48}, lime);
    c.line({36, 51}, {54, 43}, lime);
}

void drawMushroom(Canvas &c)
{
    for (int x = 10; x <= 60; x += 3) {
        const int height = 3 + (x * 7) % 5;
        c.line({x, 60}, {x + (x % 2 == 0 ? 1 : -1), 60 - height}, green);
    }
    c.line({8, 60}, {61, 60}, green);

    const Mask stem = c.mask().addPolygon({QPoint(26, 32), QPoint(43, 32), QPoint(47, 59), QPoint(22, 59)});
    c.fill(stem, [](int x, int) { return x >= 40 ? olive : yellow; });
    c.fill(stem.outline(), black);

    c.ellipse(box(12, 28, 57, 40), olive, black);
    Mask gills = c.mask();
    for (int x = 16; x <= 54; x += 3)
        gills.addLine({x, 34}, {34 + (x - 34) * 3 / 4, 38});
    c.fill(gills.keepOnly(rowsFrom(34)).subtract(ellipseMask(c, box(12, 28, 57, 40)).outline()), maroon);

    const Mask cap = ellipseMask(c, box(7, 6, 62, 58)).keepOnly(rowsUpTo(34));
    c.fill(cap, maroon);
    c.fill(cap.outline(), black);
    c.line({17, 20}, {22, 14}, red);
    c.line({23, 13}, {28, 11}, red);
    c.setPixel(18, 23, red);
}

void drawChairAndTable(Canvas &c)
{
    c.fill(ellipseMask(c, box(5, 54, 65, 62)), silver);

    // The chair, seen from the front left: legs behind the seat come first.
    Mask chairBack = c.mask();
    chairBack.addRect(box(15, 34, 17, 51)).addRect(box(30, 34, 32, 51));
    chairBack.addRect(box(15, 7, 17, 33)).addRect(box(30, 7, 32, 33));
    chairBack.addRect(box(15, 7, 32, 11)).addRect(box(15, 17, 32, 19));
    c.paint(chairBack, blue, navy);
    Mask chairFront = c.mask();
    chairFront.addPolygon({QPoint(8, 40), QPoint(26, 40), QPoint(32, 33), QPoint(14, 33)});
    chairFront.addRect(box(8, 40, 26, 42));
    chairFront.addRect(box(8, 43, 10, 58)).addRect(box(24, 43, 26, 58));
    c.paint(chairFront, blue, navy);
    c.line({10, 40}, {25, 40}, aqua);

    Mask tableLegsBehind = c.mask();
    tableLegsBehind.addRect(box(62, 30, 64, 50)).addRect(box(42, 30, 44, 40));
    c.paint(tableLegsBehind, green, black);
    Mask table = c.mask();
    table.addPolygon({QPoint(36, 31), QPoint(59, 31), QPoint(65, 24), QPoint(42, 24)});
    table.addRect(box(36, 31, 59, 34));
    table.addRect(box(37, 35, 39, 58)).addRect(box(56, 35, 58, 58));
    c.paint(table, green, black);
    c.line({38, 31}, {58, 31}, lime);
}

void drawClock(Canvas &c)
{
    c.ellipse(box(6, 5, 63, 62), blue, navy);
    c.ellipse(box(11, 10, 58, 57), grey, black);

    const QPoint centre(34, 33);
    const QPoint marks[] = {{10, -17}, {17, -10}, {17, 10}, {10, 17}, {-9, 17}, {-16, 10}, {-16, -10}, {-9, -17}};
    for (QPoint mark : marks)
        c.fillRect(box(centre.x() + mark.x(), centre.y() + mark.y(), centre.x() + mark.x() + 1,
                       centre.y() + mark.y() + 1),
                   white);

    Mask numerals = c.mask();
    addText(numerals, {31, 13}, u"XII", FontSize::Small);
    addText(numerals, {51, 31}, u"III", FontSize::Small);
    addText(numerals, {32, 50}, u"VI", FontSize::Small);
    addText(numerals, {14, 31}, u"IX", FontSize::Small);
    c.fill(numerals, black);

    c.line({34, 33}, {24, 27}, black, 2);
    c.line({35, 33}, {47, 21}, black, 2);
    c.line({34, 34}, {34, 47}, red);
    c.ellipse(box(32, 31, 37, 36), red, black);
}

Mask heartMask(const Canvas &c, int left, int top, int lobe)
{
    const int width = 2 * lobe - 2;
    const int right = left + width - 1;
    Mask heart = ellipseMask(c, box(left, top, left + lobe - 1, top + lobe - 1));
    heart.add(ellipseMask(c, box(right - lobe + 1, top, right, top + lobe - 1)));
    const int middle = left + width / 2;
    const int joinY = top + lobe / 2 + 1;
    const int bottom = top + lobe + lobe * 3 / 4;
    heart.addPolygon({QPoint(left, joinY), QPoint(right, joinY), QPoint(middle, bottom), QPoint(middle - 1, bottom)});
    return heart;
}

void drawHearts(Canvas &c)
{
    const Mask redHeart = heartMask(c, 5, 7, 18);
    c.paint(redHeart, red, black);
    c.fillRect(box(10, 12, 12, 13), white);
    c.setPixel(10, 14, white);

    const Mask blueHeart = heartMask(c, 29, 26, 18);
    c.paint(blueHeart.grown(), white, white);
    c.paint(blueHeart, blue, black);
    c.fillRect(box(34, 31, 36, 32), white);
    c.setPixel(34, 33, white);
}

void drawLightBulb(Canvas &c)
{
    const QLine rays[] = {{34, 2, 34, 4}, {22, 6, 25, 9}, {47, 6, 44, 9}, {13, 23, 17, 23},
                          {52, 23, 56, 23}, {15, 35, 18, 34}, {54, 35, 51, 34}};
    for (const QLine &ray : rays)
        c.line(ray.p1(), ray.p2(), olive, 2);

    Mask glass = ellipseMask(c, box(19, 8, 50, 38));
    glass.addPolygon({QPoint(25, 33), QPoint(44, 33), QPoint(41, 44), QPoint(28, 44)});
    c.paint(glass, yellow, black);
    c.line({23, 20}, {26, 14}, white);
    c.line({27, 13}, {30, 11}, white);

    c.line({31, 44}, {31, 30}, grey);
    c.line({38, 44}, {38, 30}, grey);
    const QPoint filament[] = {{31, 29}, {32, 25}, {33, 29}, {34, 25}, {35, 29}, {36, 25}, {37, 29}, {38, 25}};
    for (std::size_t i = 0; i + 1 < std::size(filament); ++i)
        c.line(filament[i], filament[i + 1], maroon);

    const Mask base = c.mask().addRect(box(27, 45, 42, 55));
    c.fill(base, [](int, int y) { return (y - 45) % 3 == 2 ? grey : silver; });
    c.fill(base.outline(), black);
    c.polygon({QPoint(30, 56), QPoint(39, 56), QPoint(37, 59), QPoint(32, 59)}, black, black);
}

void drawTree(Canvas &c)
{
    c.line({8, 60}, {61, 60}, green);
    const Mask trunk = c.mask().addPolygon({QPoint(30, 34), QPoint(39, 34), QPoint(41, 58), QPoint(28, 58)});
    c.paint(trunk, maroon, black);
    c.line({29, 58}, {22, 61}, maroon, 2);
    c.line({40, 58}, {47, 61}, maroon, 2);
    c.line({33, 40}, {33, 54}, black);
    c.line({37, 44}, {37, 56}, black);

    Mask crown = c.mask();
    for (const QRect &cloud : {box(8, 14, 34, 40), box(34, 12, 61, 38), box(19, 3, 50, 28), box(13, 26, 40, 46),
                               box(30, 24, 57, 46)})
        crown.add(ellipseMask(c, cloud));
    c.fill(crown, [](int x, int y) {
        if (y % 2 == 0 && (x + y) % 4 == 0)
            return y % 4 == 0 ? lime : olive;
        return green;
    });
    c.fill(crown.outline(), black);
}

using Motif = void (*)(Canvas &);

constexpr std::array<Motif, faceCount> motifs = {
    drawInsect,   drawSweets,       drawTeddyBear, drawSpaghetti, drawSnowman,       drawButterfly,
    drawFrog,     drawSpider,       drawPufferFish, drawFlowerBranch, drawDrums,     drawFlytrap,
    drawMushroom, drawChairAndTable, drawClock,    drawHearts,    drawLightBulb,     drawTree,
};

void drawFrame(Canvas &c)
{
    Mask frame = c.mask().addRect(box(0, 0, cardSize - 1, cardSize - 1));
    frame.subtract(c.mask().addRect(box(frameWidth, frameWidth, cardSize - 1 - frameWidth, cardSize - 1 - frameWidth)));
    c.fill(frame, black);
}

void drawNumber(Canvas &c, int number)
{
    Mask digits = c.mask();
    addText(digits, {4, 61}, QString::number(number), FontSize::Small);
    c.fill(digits, black);
}

} // namespace

QImage drawFace(int number)
{
    if (number < 1 || number > faceCount)
        throw std::out_of_range("there is no card face with this number");
    Canvas face(cardSize, cardSize, white);
    motifs[std::size_t(number - 1)](face);
    drawFrame(face);
    drawNumber(face, number);
    return face.image();
}

} // namespace pexesoart
