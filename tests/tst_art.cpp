// The pictures of both games: what each drawing program draws is the file
// committed for its game, of the size and in the palette of the game's
// design, and shows what the design describes.
#include "minyart.h"
#include "pexesoart.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

const QRgb Black = qRgb(0, 0, 0), Grey = qRgb(128, 128, 128), Silver = qRgb(192, 192, 192);
const QRgb White = qRgb(255, 255, 255), Red = qRgb(255, 0, 0), Yellow = qRgb(255, 255, 0);
constexpr int Cell = 15;

const QStringList CellPictures = {
    "digit1.png", "digit2.png", "digit3.png", "digit4.png", "digit5.png", "digit6.png", "digit7.png", "digit8.png",
    "covered.png", "uncovered.png", "flag.png", "question.png", "mine.png", "minehit.png", "wrongflag.png",
};
const QStringList FacePictures = {"face_normal.png", "face_pressing.png", "face_dead.png", "face_cool.png",
                                  "face_sunken.png"};

// The empty place, the back and the eighteen faces.
QStringList cardPictures()
{
    QStringList names = {"empty.png", "back.png"};
    for (int number = 1; number <= 18; ++number)
        names << QString("face%1.png").arg(number, 2, 10, QLatin1Char('0'));
    return names;
}

// Every picture the two programs draw, by game and file name.
using Drawings = std::map<QString, std::map<QString, QImage>>;
const Drawings &drawings()
{
    static const Drawings all = [] {
        Drawings drawn;
        for (const auto &drawing : minyart::drawAll())
            drawn["miny"][drawing.fileName] = drawing.image.convertToFormat(QImage::Format_ARGB32);
        for (const auto &drawing : pexesoart::drawAll())
            drawn["pexeso"][drawing.fileName] = drawing.image.convertToFormat(QImage::Format_ARGB32);
        return drawn;
    }();
    return all;
}
QImage miny(const QString &fileName) { return drawings().at("miny").at(fileName); }
QImage pexeso(const QString &fileName) { return drawings().at("pexeso").at(fileName); }

// The standard 16 colours, with the given half intensity.
QList<QRgb> standardPalette(int half)
{
    QList<QRgb> colours = {Silver};
    for (int bits = 0; bits < 16; ++bits) {
        const int level = bits & 8 ? 255 : half;
        colours << qRgb(bits & 4 ? level : 0, bits & 2 ? level : 0, bits & 1 ? level : 0);
    }
    return colours;
}

int countPixels(const QImage &image, const QRect &area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

bool distinct(const QImage &image, const QStringList &others, QImage (*drawing)(const QString &))
{
    return std::count_if(others.begin(), others.end(), [&](const QString &f) { return drawing(f) == image; }) <= 1;
}

} // namespace

class TestArt : public QObject
{
    Q_OBJECT

private slots:
    // Each drawing is its committed file, of its size, in the standard
    // palette and opaque. Only the icons and pexeso's empty place, wholly
    // transparent so that the tiles show through it, have transparent
    // pixels; pexeso's icon, the back in small, is at half intensity with
    // transparent rounded corners. The pictures of one kind are distinct.
    void everyCommittedPictureIsDrawn()
    {
        const std::pair<QString, QStringList> games[] = {
            {"miny", CellPictures + FacePictures + QStringList{"icon.png", "placeholder_cell.png", "placeholder_face.png"}},
            {"pexeso", cardPictures() + QStringList{"icon.png", "place0.png", "tile.png"}}};
        for (auto [game, expected] : games) {
            QStringList drawn;
            for (const auto &[fileName, image] : drawings().at(game))
                drawn << fileName;
            expected.sort();
            QCOMPARE(drawn, expected);
            QCOMPARE(QDir(SOURCE_DIR "/" + game + "/assets").entryList({"*.png"}, QDir::Files, QDir::Name), expected);
        }
    }

    void committedSizeAndPalette_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("fileName");
        for (const auto &[game, pictures] : drawings())
            for (const auto &[fileName, image] : pictures)
                QTest::newRow(qPrintable(game + "/" + fileName)) << game << fileName;
    }
    void committedSizeAndPalette()
    {
        QFETCH(QString, game);
        QFETCH(QString, fileName);
        const QImage image = drawings().at(game).at(fileName);
        QCOMPARE(QImage(QString(SOURCE_DIR "/%1/assets/%2").arg(game, fileName)).convertToFormat(QImage::Format_ARGB32),
                 image);
        const bool icon = fileName == "icon.png";
        const int size = icon ? 32 : game == "pexeso" ? (fileName == "tile.png" ? 50 : 70)
                                                       : fileName.contains("face") ? 25 : Cell;
        QCOMPARE(image.size(), QSize(size, size));
        const QList<QRgb> palette = standardPalette(icon && game == "pexeso" ? 127 : 128);
        int transparent = 0;
        for (int p = 0; p < size * size; ++p) {
            const QRgb pixel = image.pixel(p % size, p / size);
            transparent += qAlpha(pixel) == 0;
            QVERIFY2(!qAlpha(pixel) || palette.contains(pixel), qPrintable(QString("(%1,%2)").arg(p % size).arg(p / size)));
        }
        QCOMPARE(transparent, fileName == "empty.png" ? size * size : icon ? transparent : 0);
        QVERIFY(!icon || (!qAlpha(image.pixel(0, 0)) && !qAlpha(image.pixel(31, 31)) && qAlpha(image.pixel(16, 16))));
        QVERIFY(!icon || game == "miny" || image.pixel(16, 0) == Black);
        QVERIFY(game == "pexeso" || (distinct(image, CellPictures, miny) && distinct(image, FacePictures, miny)));
        QVERIFY(game == "miny" || distinct(image, cardPictures(), pexeso));
    }

    // Covered cells are raised tiles; uncovered ones are flat, so that
    // neighbours merge into one area.
    void cellEdges_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QRgb>("flatGround"); // 0 for a raised tile
        for (const char *raised : {"covered.png", "flag.png", "question.png", "wrongflag.png"})
            QTest::newRow(raised) << QString(raised) << QRgb(0);
        for (const QString &flat : CellPictures.mid(0, 8) + QStringList{"uncovered.png", "mine.png"})
            QTest::newRow(qPrintable(flat)) << flat << Silver;
        QTest::newRow("minehit.png") << QString("minehit.png") << Red;
    }
    void cellEdges()
    {
        QFETCH(QString, fileName);
        QFETCH(QRgb, flatGround);
        const QImage cell = miny(fileName);
        const QRgb light = flatGround ? flatGround : White, dark = flatGround ? flatGround : Grey;
        for (int i = 0; i < Cell - 1; ++i)
            QVERIFY(cell.pixel(i, 0) == light && cell.pixel(0, i) == light && cell.pixel(i + 1, Cell - 1) == dark
                    && cell.pixel(Cell - 1, i + 1) == dark);
        QCOMPARE(cell.pixel(1, 1), flatGround ? flatGround : Silver);
    }

    void digits_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QRgb>("ink");
        const QList<QRgb> inks = {qRgb(0, 0, 255),   qRgb(0, 128, 0), qRgb(255, 0, 0),   qRgb(0, 0, 128),
                                  qRgb(0, 128, 128), qRgb(128, 0, 0), qRgb(128, 0, 128), qRgb(128, 128, 0)};
        for (int digit = 1; digit <= 8; ++digit)
            QTest::newRow(qPrintable(QString::number(digit))) << digit << inks[digit - 1];
    }
    // One colour per digit, bold strokes, at most 6 x 9 on rows 3 to 11, roughly centred.
    void digits()
    {
        QFETCH(int, digit);
        QFETCH(QRgb, ink);
        const QImage cell = miny(QString("digit%1.png").arg(digit));
        QCOMPARE(countPixels(cell, cell.rect(), Silver) + countPixels(cell, cell.rect(), ink), Cell * Cell);
        QRect inked;
        for (int y = 0; y < Cell; ++y)
            for (int x = 1; x < Cell - 1; ++x)
                if (cell.pixel(x, y) == ink) {
                    inked |= QRect(x, y, 1, 1);
                    QVERIFY2(cell.pixel(x - 1, y) == ink || cell.pixel(x + 1, y) == ink, "a thin stroke");
                }
        QVERIFY(inked.top() == 3 && inked.bottom() == 11 && inked.width() <= 6);
        QVERIFY(std::abs(inked.left() - (Cell - 1 - inked.right())) <= 2);
    }

    // A round mine seven pixels across with straight and diagonal spikes and
    // one white highlight at its upper left, the hit one on red; the wrong
    // flag a red diagonal cross seven pixels across with no mine under it.
    void mines()
    {
        for (const auto &[fileName, ground] : {std::pair("mine.png", Silver), {"minehit.png", Red}}) {
            const QImage cell = miny(fileName);
            const int m = Cell / 2;
            for (QPoint body : {QPoint(m, m), QPoint(m - 3, m - 1), QPoint(m + 3, m + 1), QPoint(m, m - 5),
                                QPoint(m + 5, m), QPoint(m - 4, m - 4), QPoint(m + 4, m + 4)})
                QCOMPARE(cell.pixel(body), Black);
            QVERIFY(cell.pixel(m - 3, m - 2) == ground && cell.pixel(m + 3, m + 2) == ground);
            QCOMPARE(countPixels(cell, cell.rect(), White), 1);
            QCOMPARE(countPixels(cell, QRect(0, 0, m, m), White), 1);
        }
        const QImage wrong = miny("wrongflag.png");
        for (int i = 0; i < 7; ++i)
            QVERIFY(wrong.pixel(4 + i, 4 + i) == Red && wrong.pixel(10 - i, 4 + i) == Red);
        QVERIFY(wrong.pixel(3, 3) == Silver && wrong.pixel(11, 11) == Silver);
        QCOMPARE(countPixels(wrong, wrong.rect(), Black), 0);
    }

    // A yellow face 17 pixels across with a black outline, on a silver
    // button; the sunken button's face one pixel lower right.
    void faces()
    {
        for (const QString &fileName : FacePictures) {
            const QImage button = miny(fileName);
            const QPoint centre = fileName == "face_sunken.png" ? QPoint(13, 13) : QPoint(12, 12);
            QVERIFY(button.pixel(centre) == Yellow && button.pixel(centre - QPoint(7, 0)) == Yellow);
            for (QPoint rim : {QPoint(8, 0), QPoint(-8, 0), QPoint(0, 8), QPoint(0, -8)})
                QCOMPARE(button.pixel(centre + rim), Black);
            QVERIFY(button.pixel(centre - QPoint(9, 0)) == Silver && button.pixel(centre - QPoint(0, 9)) == Silver);
        }
        QCOMPARE(miny("face_normal.png").pixel(0, 0), White); // raised
        QCOMPARE(miny("face_sunken.png").pixel(0, 0), Black); // pressed
    }

    // A black frame two pixels wide around the back's stripes or a face's
    // white interior; place 0 shows the back.
    void framedCards_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString &card : cardPictures().mid(1))
            QTest::newRow(qPrintable(card)) << card;
    }
    void framedCards()
    {
        QFETCH(QString, fileName);
        const QImage card = pexeso(fileName);
        for (int i = 0; i < 70; ++i)
            for (int edge : {0, 1, 68, 69})
                QVERIFY(card.pixel(i, edge) == Black && card.pixel(edge, i) == Black);
        QVERIFY(countPixels(card, QRect(2, 2, 66, 1), Black) < 66);
        const bool face = fileName.startsWith("face");
        for (const QRect corner : {QRect(2, 2, 3, 3), QRect(65, 2, 3, 3), QRect(65, 65, 3, 3)})
            QCOMPARE(countPixels(card, corner, White), face ? 9 : 0);
        QVERIFY(fileName != "back.png" || pexeso("place0.png") == card);
    }

    // Tiles laid edge to edge form one lattice of green and teal diamonds,
    // repeating every 25 pixels.
    void tileRepeatsSeamlessly()
    {
        const QImage tile = pexeso("tile.png");
        const int green = countPixels(tile, tile.rect(), qRgb(0, 128, 0));
        const int teal = countPixels(tile, tile.rect(), qRgb(0, 128, 128));
        QVERIFY(green > 0 && teal > 0 && green + teal == 50 * 50);
        QCOMPARE(tile.copy(0, 0, 25, 50), tile.copy(25, 0, 25, 50));
        QCOMPARE(tile.copy(0, 0, 50, 25), tile.copy(0, 25, 50, 25));
    }
};

QTEST_GUILESS_MAIN(TestArt)
#include "tst_art.moc"
