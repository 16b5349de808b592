#include "minyart.h"

#include <QDir>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr int CellSize = 15;
constexpr int FaceSize = 25;
constexpr int IconSize = 32;

const QRgb Black = qRgb(0, 0, 0);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0);

const QList<QRgb> Palette = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

struct Picture
{
    const char *fileName;
    int size;
};

const QList<Picture> Pictures = {
    {"digit1.png", CellSize},    {"digit2.png", CellSize},       {"digit3.png", CellSize},
    {"digit4.png", CellSize},    {"digit5.png", CellSize},       {"digit6.png", CellSize},
    {"digit7.png", CellSize},    {"digit8.png", CellSize},       {"covered.png", CellSize},
    {"uncovered.png", CellSize}, {"flag.png", CellSize},         {"question.png", CellSize},
    {"mine.png", CellSize},      {"minehit.png", CellSize},      {"wrongflag.png", CellSize},
    {"face_normal.png", FaceSize}, {"face_pressing.png", FaceSize}, {"face_dead.png", FaceSize},
    {"face_cool.png", FaceSize}, {"face_sunken.png", FaceSize},  {"placeholder_face.png", FaceSize},
    {"placeholder_cell.png", CellSize}, {"icon.png", IconSize},
};

const QStringList CellPictures = {
    "digit1.png", "digit2.png", "digit3.png", "digit4.png", "digit5.png",
    "digit6.png", "digit7.png", "digit8.png", "covered.png", "uncovered.png",
    "flag.png", "question.png", "mine.png", "minehit.png", "wrongflag.png",
};

const QStringList FacePictures = {
    "face_normal.png", "face_pressing.png", "face_dead.png", "face_cool.png", "face_sunken.png",
};

const QList<QRgb> DigitColours = {
    qRgb(0, 0, 255), qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(0, 0, 128),
    qRgb(0, 128, 128), qRgb(128, 0, 0), qRgb(128, 0, 128), qRgb(128, 128, 0),
};

const std::map<QString, QImage> &drawings()
{
    static const std::map<QString, QImage> byName = [] {
        std::map<QString, QImage> map;
        for (const minyart::Drawing &drawing : minyart::drawAll())
            map[drawing.fileName] = drawing.image.convertToFormat(QImage::Format_ARGB32);
        return map;
    }();
    return byName;
}

QImage drawing(const QString &fileName)
{
    const auto found = drawings().find(fileName);
    return found == drawings().end() ? QImage() : found->second;
}

QString pixelText(QRgb pixel)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel)).arg(qAlpha(pixel));
}

QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                return QStringLiteral("pixel (%1,%2) is %3, drawn %4")
                    .arg(x).arg(y).arg(pixelText(actual.pixel(x, y)), pixelText(expected.pixel(x, y)));
            }
        }
    }
    return {};
}

void addCellRows(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames)
        QTest::newRow(qPrintable(fileName)) << fileName;
}

} // namespace

class TestMinyArt : public QObject
{
    Q_OBJECT

private slots:
    void drawsEveryPictureOnceInOrder();
    void committedFileMatchesDrawing_data();
    void committedFileMatchesDrawing();
    void assetsFolderHoldsNoOtherPictures();
    void usesOnlyPaletteColours_data();
    void usesOnlyPaletteColours();
    void picturesOfOneKindAreDistinct_data();
    void picturesOfOneKindAreDistinct();
    void raisedTileIsLitFromTopLeft_data();
    void raisedTileIsLitFromTopLeft();
    void flatCellHasNoEdgeLine_data();
    void flatCellHasNoEdgeLine();
    void digitIsBoldAndInsideItsBox_data();
    void digitIsBoldAndInsideItsBox();
    void flagPoleStandsInMiddleColumn();
    void mineSitsInTheMiddle_data();
    void mineSitsInTheMiddle();
    void faceButtonFrame_data();
    void faceButtonFrame();
    void placeholdersAreBlank();
    void iconIsTransparentAroundTheMine();
};

void TestMinyArt::drawsEveryPictureOnceInOrder()
{
    QStringList drawn;
    for (const minyart::Drawing &drawing : minyart::drawAll())
        drawn << drawing.fileName;
    QStringList expected;
    for (const Picture &picture : Pictures)
        expected << QString::fromLatin1(picture.fileName);
    QCOMPARE(drawn, expected);
}

void TestMinyArt::committedFileMatchesDrawing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("size");
    for (const Picture &picture : Pictures)
        QTest::newRow(picture.fileName) << QString::fromLatin1(picture.fileName) << picture.size;
}

void TestMinyArt::committedFileMatchesDrawing()
{
    QFETCH(QString, fileName);
    QFETCH(int, size);

    const QImage drawn = drawing(fileName);
    QCOMPARE(drawn.size(), QSize(size, size));

    const QString path = QDir(QStringLiteral(ASSETS_DIR)).filePath(fileName);
    QImage committed(path);
    QVERIFY2(!committed.isNull(), qPrintable(QStringLiteral("cannot read ") + path));
    committed = committed.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(committed.size(), QSize(size, size));
    const QString difference = firstDifference(committed, drawn);
    QVERIFY2(difference.isEmpty(), qPrintable(difference + QStringLiteral("; rerun minyart")));
}

void TestMinyArt::assetsFolderHoldsNoOtherPictures()
{
    const QStringList onDisk = QDir(QStringLiteral(ASSETS_DIR))
                                   .entryList({QStringLiteral("*.png")}, QDir::Files);
    QSet<QString> expected;
    for (const Picture &picture : Pictures)
        expected << QString::fromLatin1(picture.fileName);
    QCOMPARE(QSet<QString>(onDisk.cbegin(), onDisk.cend()), expected);
}

void TestMinyArt::usesOnlyPaletteColours_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("mayBeTransparent");
    for (const Picture &picture : Pictures) {
        const QString fileName = QString::fromLatin1(picture.fileName);
        QTest::newRow(picture.fileName) << fileName << (fileName == QLatin1String("icon.png"));
    }
}

void TestMinyArt::usesOnlyPaletteColours()
{
    QFETCH(QString, fileName);
    QFETCH(bool, mayBeTransparent);

    const QImage image = drawing(fileName);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const QString where = QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(pixelText(pixel));
            if (qAlpha(pixel) == 0) {
                QVERIFY2(mayBeTransparent, qPrintable(where));
                continue;
            }
            QVERIFY2(qAlpha(pixel) == 255, qPrintable(where));
            QVERIFY2(Palette.contains(pixel), qPrintable(where));
        }
    }
}

void TestMinyArt::picturesOfOneKindAreDistinct_data()
{
    QTest::addColumn<QStringList>("fileNames");
    QTest::newRow("cells") << CellPictures;
    QTest::newRow("faces") << FacePictures;
}

void TestMinyArt::picturesOfOneKindAreDistinct()
{
    QFETCH(QStringList, fileNames);
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        for (qsizetype j = i + 1; j < fileNames.size(); ++j) {
            QVERIFY2(drawing(fileNames[i]) != drawing(fileNames[j]),
                     qPrintable(fileNames[i] + QStringLiteral(" looks like ") + fileNames[j]));
        }
    }
}

void TestMinyArt::raisedTileIsLitFromTopLeft_data()
{
    QTest::addColumn<QString>("fileName");
    addCellRows({"covered.png", "flag.png", "question.png", "wrongflag.png"});
}

void TestMinyArt::raisedTileIsLitFromTopLeft()
{
    QFETCH(QString, fileName);
    const QImage tile = drawing(fileName);
    const int last = CellSize - 1;
    for (int i = 0; i < last; ++i) {
        QCOMPARE(tile.pixel(i, 0), White);
        QCOMPARE(tile.pixel(0, i), White);
        QCOMPARE(tile.pixel(i + 1, last), Grey);
        QCOMPARE(tile.pixel(last, i + 1), Grey);
    }
    QCOMPARE(tile.pixel(1, 1), Silver);
    QCOMPARE(tile.pixel(last - 1, last - 1), Silver);
}

void TestMinyArt::flatCellHasNoEdgeLine_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QRgb>("ground");
    const QStringList silverCells = {
        "uncovered.png", "mine.png", "digit1.png", "digit2.png", "digit3.png",
        "digit4.png", "digit5.png", "digit6.png", "digit7.png", "digit8.png",
    };
    for (const QString &fileName : silverCells)
        QTest::newRow(qPrintable(fileName)) << fileName << Silver;
    QTest::newRow("minehit.png") << QStringLiteral("minehit.png") << Red;
}

void TestMinyArt::flatCellHasNoEdgeLine()
{
    QFETCH(QString, fileName);
    QFETCH(QRgb, ground);
    const QImage cell = drawing(fileName);
    const int last = CellSize - 1;
    for (int i = 0; i < CellSize; ++i) {
        QCOMPARE(cell.pixel(i, 0), ground);
        QCOMPARE(cell.pixel(i, last), ground);
        QCOMPARE(cell.pixel(0, i), ground);
        QCOMPARE(cell.pixel(last, i), ground);
    }
}

void TestMinyArt::digitIsBoldAndInsideItsBox_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QRgb>("ink");
    for (int digit = 1; digit <= 8; ++digit) {
        const QString fileName = QStringLiteral("digit%1.png").arg(digit);
        QTest::newRow(qPrintable(fileName)) << fileName << DigitColours[digit - 1];
    }
}

void TestMinyArt::digitIsBoldAndInsideItsBox()
{
    QFETCH(QString, fileName);
    QFETCH(QRgb, ink);
    const QImage cell = drawing(fileName);

    QRect inked;
    auto isInk = [&](int x, int y) {
        return x >= 0 && x < CellSize && cell.pixel(x, y) == ink;
    };
    for (int y = 0; y < CellSize; ++y) {
        for (int x = 0; x < CellSize; ++x) {
            const QRgb pixel = cell.pixel(x, y);
            QVERIFY2(pixel == Silver || pixel == ink,
                     qPrintable(QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(pixelText(pixel))));
            if (pixel != ink)
                continue;
            inked |= QRect(x, y, 1, 1);
            // Strokes are two pixels wide, so no ink pixel stands alone in its row.
            QVERIFY2(isInk(x - 1, y) || isInk(x + 1, y),
                     qPrintable(QStringLiteral("thin stroke at (%1,%2)").arg(x).arg(y)));
        }
    }
    QCOMPARE(inked.top(), 3);
    QCOMPARE(inked.bottom(), 11);
    QVERIFY2(inked.width() <= 6, qPrintable(QStringLiteral("%1 columns wide").arg(inked.width())));
    const int leftMargin = inked.left();
    const int rightMargin = CellSize - 1 - inked.right();
    QVERIFY2(std::abs(leftMargin - rightMargin) <= 2,
             qPrintable(QStringLiteral("margins %1 and %2").arg(leftMargin).arg(rightMargin)));
}

void TestMinyArt::flagPoleStandsInMiddleColumn()
{
    const QImage flag = drawing(QStringLiteral("flag.png"));
    auto blackRun = [&](int x) {
        int longest = 0;
        int run = 0;
        for (int y = 0; y < CellSize; ++y) {
            run = flag.pixel(x, y) == Black ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    };
    QVERIFY2(blackRun(7) >= 7, "no pole in column 7");
    for (int x = 1; x < CellSize - 1; ++x) {
        if (x != 7)
            QVERIFY2(blackRun(x) <= 2, qPrintable(QStringLiteral("pole-like line in column %1").arg(x)));
    }

    int topOfPole = 0;
    while (flag.pixel(7, topOfPole) != Black)
        ++topOfPole;
    QCOMPARE(flag.pixel(8, topOfPole), Red);
    QVERIFY(flag.pixel(6, topOfPole) != Red);
    QCOMPARE(flag.pixel(7, CellSize - 3), Black);
    QCOMPARE(flag.pixel(4, CellSize - 3), Black);
    QCOMPARE(flag.pixel(10, CellSize - 3), Black);
}

void TestMinyArt::mineSitsInTheMiddle_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QRgb>("ground");
    QTest::newRow("mine.png") << QStringLiteral("mine.png") << Silver;
    QTest::newRow("minehit.png") << QStringLiteral("minehit.png") << Red;
}

void TestMinyArt::mineSitsInTheMiddle()
{
    QFETCH(QString, fileName);
    QFETCH(QRgb, ground);
    const QImage cell = drawing(fileName);
    const int middle = CellSize / 2;
    QCOMPARE(cell.pixel(middle, middle), Black);
    // The body is seven pixels across: its edge ends three pixels from the middle.
    QCOMPARE(cell.pixel(middle - 3, middle - 1), Black);
    QCOMPARE(cell.pixel(middle + 3, middle + 1), Black);
    // ...and is round, not square.
    QCOMPARE(cell.pixel(middle - 3, middle - 2), ground);
    QCOMPARE(cell.pixel(middle + 3, middle + 2), ground);
    // Spikes stick out straight and diagonally.
    QCOMPARE(cell.pixel(middle, middle - 5), Black);
    QCOMPARE(cell.pixel(middle + 5, middle), Black);
    QCOMPARE(cell.pixel(middle - 4, middle - 4), Black);
    QCOMPARE(cell.pixel(middle + 4, middle + 4), Black);

    int highlights = 0;
    for (int y = 0; y < CellSize; ++y) {
        for (int x = 0; x < CellSize; ++x) {
            if (cell.pixel(x, y) == White) {
                ++highlights;
                QVERIFY(x < middle && y < middle);
            }
        }
    }
    QCOMPARE(highlights, 1);
}

void TestMinyArt::faceButtonFrame_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QRgb>("outerTopLeft");
    QTest::addColumn<QRgb>("outerBottomRight");
    QTest::addColumn<QPoint>("faceCentre");
    const QPoint centre(FaceSize / 2, FaceSize / 2);
    for (const QString &fileName : FacePictures.mid(0, 4))
        QTest::newRow(qPrintable(fileName)) << fileName << White << Black << centre;
    QTest::newRow("face_sunken.png")
        << QStringLiteral("face_sunken.png") << Black << White << centre + QPoint(1, 1);
}

void TestMinyArt::faceButtonFrame()
{
    QFETCH(QString, fileName);
    QFETCH(QRgb, outerTopLeft);
    QFETCH(QRgb, outerBottomRight);
    QFETCH(QPoint, faceCentre);
    const QImage button = drawing(fileName);
    const int last = FaceSize - 1;
    for (int i = 1; i < last - 1; ++i) {
        QCOMPARE(button.pixel(i, 0), outerTopLeft);
        QCOMPARE(button.pixel(0, i), outerTopLeft);
        QCOMPARE(button.pixel(i + 1, last), outerBottomRight);
        QCOMPARE(button.pixel(last, i + 1), outerBottomRight);
    }
    // A yellow face 17 pixels across with a black rim, on a silver button.
    QCOMPARE(button.pixel(faceCentre), Yellow);
    QCOMPARE(button.pixel(faceCentre - QPoint(8, 0)), Black);
    QCOMPARE(button.pixel(faceCentre + QPoint(8, 0)), Black);
    QCOMPARE(button.pixel(faceCentre - QPoint(0, 8)), Black);
    QCOMPARE(button.pixel(faceCentre + QPoint(0, 8)), Black);
    QCOMPARE(button.pixel(faceCentre - QPoint(7, 0)), Yellow);
    QCOMPARE(button.pixel(faceCentre - QPoint(9, 0)), Silver);
    QCOMPARE(button.pixel(faceCentre - QPoint(0, 9)), Silver);
}

void TestMinyArt::placeholdersAreBlank()
{
    const QImage cell = drawing(QStringLiteral("placeholder_cell.png"));
    for (int y = 0; y < CellSize; ++y) {
        for (int x = 0; x < CellSize; ++x)
            QCOMPARE(cell.pixel(x, y), Black);
    }

    const QImage face = drawing(QStringLiteral("placeholder_face.png"));
    const int last = FaceSize - 1;
    for (int y = 0; y < FaceSize; ++y) {
        for (int x = 0; x < FaceSize; ++x)
            QCOMPARE(face.pixel(x, y), (x == last || y == last) ? Grey : Black);
    }
}

void TestMinyArt::iconIsTransparentAroundTheMine()
{
    const QImage icon = drawing(QStringLiteral("icon.png"));
    const int last = IconSize - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    QCOMPARE(qAlpha(icon.pixel(IconSize / 2, IconSize / 2)), 255);

    // Lit from the upper left: white only there, black only at the lower right.
    bool hasWhite = false;
    bool hasBlack = false;
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            if (pixel == White) {
                hasWhite = true;
                QVERIFY2(x < IconSize / 2 && y < IconSize / 2, qPrintable(QStringLiteral("white at (%1,%2)").arg(x).arg(y)));
            } else if (pixel == Black) {
                hasBlack = true;
                QVERIFY2(x + y > last, qPrintable(QStringLiteral("black at (%1,%2)").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(hasWhite);
    QVERIFY(hasBlack);
}

QTEST_GUILESS_MAIN(TestMinyArt)

#include "tst_minyart.moc"
