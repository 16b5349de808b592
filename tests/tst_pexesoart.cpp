#include "pexesoart.h"

#include <QDir>
#include <QList>
#include <QSet>
#include <QTest>

using pexesoart::Drawing;

namespace {

enum class Transparency { None, Everywhere, Allowed };
enum class Palette { Full, HalfIntensity };

struct Expected
{
    QString fileName;
    QSize size;
    Transparency transparency;
    Palette palette;
};

const QSize cardSize(70, 70);

QList<Expected> expectedPictures()
{
    QList<Expected> pictures;
    pictures.append({QStringLiteral("empty.png"), cardSize, Transparency::Everywhere, Palette::Full});
    pictures.append({QStringLiteral("back.png"), cardSize, Transparency::None, Palette::Full});
    for (int number = 1; number <= 18; ++number) {
        pictures.append({QStringLiteral("face%1.png").arg(number, 2, 10, QLatin1Char('0')), cardSize,
                         Transparency::None, Palette::Full});
    }
    pictures.append({QStringLiteral("place0.png"), cardSize, Transparency::None, Palette::Full});
    pictures.append({QStringLiteral("tile.png"), QSize(50, 50), Transparency::None, Palette::Full});
    pictures.append({QStringLiteral("icon.png"), QSize(32, 32), Transparency::Allowed, Palette::HalfIntensity});
    return pictures;
}

QSet<QRgb> paletteColours(Palette palette)
{
    const int half = palette == Palette::Full ? 128 : 127;
    return {qRgb(0, 0, 0),       qRgb(half, 0, 0),       qRgb(0, half, 0),       qRgb(half, half, 0),
            qRgb(0, 0, half),    qRgb(half, 0, half),    qRgb(0, half, half),    qRgb(192, 192, 192),
            qRgb(half, half, half), qRgb(255, 0, 0),     qRgb(0, 255, 0),        qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255),      qRgb(0, 255, 255),      qRgb(255, 255, 255)};
}

const std::vector<Drawing> &drawings()
{
    static const std::vector<Drawing> all = pexesoart::drawAll();
    return all;
}

QImage drawn(const QString &fileName)
{
    for (const Drawing &drawing : drawings()) {
        if (drawing.fileName == fileName)
            return drawing.image;
    }
    return {};
}

QImage committed(const QString &fileName)
{
    return QImage(QDir(QStringLiteral(ASSETS_DIR)).filePath(fileName)).convertToFormat(QImage::Format_ARGB32);
}

bool isBlack(QRgb pixel)
{
    return pixel == qRgb(0, 0, 0);
}

int countPixels(const QImage &image, const QRect &area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

QStringList cardPictureNames()
{
    QStringList names = {QStringLiteral("empty.png"), QStringLiteral("back.png")};
    for (int number = 1; number <= 18; ++number)
        names.append(QStringLiteral("face%1.png").arg(number, 2, 10, QLatin1Char('0')));
    return names;
}

QStringList framedPictureNames()
{
    QStringList names = cardPictureNames();
    names.removeFirst();
    return names;
}

} // namespace

class TestPexesoArt : public QObject
{
    Q_OBJECT

private slots:
    void drawsEveryPictureInOrder();
    void drawingMatchesCommittedFile_data();
    void drawingMatchesCommittedFile();
    void usesOnlyPaletteColours_data();
    void usesOnlyPaletteColours();
    void cardPicturesDiffer_data();
    void cardPicturesDiffer();
    void firstPlaceShowsTheBack();
    void hasBlackFrame_data();
    void hasBlackFrame();
    void faceHasWhiteCornersAndNumber_data();
    void faceHasWhiteCornersAndNumber();
    void backShowsStripesAndBand_data();
    void backShowsStripesAndBand();
    void tileRepeatsSeamlessly();
    void iconHasRoundedCorners();
};

void TestPexesoArt::drawsEveryPictureInOrder()
{
    QStringList expectedNames;
    for (const Expected &picture : expectedPictures())
        expectedNames.append(picture.fileName);
    QStringList drawnNames;
    for (const Drawing &drawing : drawings())
        drawnNames.append(drawing.fileName);
    QCOMPARE(drawnNames, expectedNames);
}

void TestPexesoArt::drawingMatchesCommittedFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("size");
    for (const Expected &picture : expectedPictures())
        QTest::newRow(qPrintable(picture.fileName)) << picture.fileName << picture.size;
}

void TestPexesoArt::drawingMatchesCommittedFile()
{
    QFETCH(QString, fileName);
    QFETCH(QSize, size);

    const QImage image = drawn(fileName);
    QVERIFY2(!image.isNull(), "the tool does not draw this picture");
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);

    const QImage file = committed(fileName);
    QVERIFY2(!file.isNull(), "the committed file is missing or unreadable");
    QCOMPARE(file.size(), size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (file.pixel(x, y) != image.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs: file %3, drawn %4")
                                     .arg(x).arg(y)
                                     .arg(file.pixel(x, y), 8, 16, QLatin1Char('0'))
                                     .arg(image.pixel(x, y), 8, 16, QLatin1Char('0'))));
        }
    }
}

void TestPexesoArt::usesOnlyPaletteColours_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<int>("palette");
    for (const Expected &picture : expectedPictures()) {
        QTest::newRow(qPrintable(picture.fileName))
            << picture.fileName << int(picture.transparency) << int(picture.palette);
    }
}

void TestPexesoArt::usesOnlyPaletteColours()
{
    QFETCH(QString, fileName);
    QFETCH(int, transparency);
    QFETCH(int, palette);

    const QImage image = drawn(fileName);
    QVERIFY(!image.isNull());
    const QSet<QRgb> colours = paletteColours(Palette(palette));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const QString where = QStringLiteral("pixel (%1, %2) is %3")
                                      .arg(x).arg(y).arg(pixel, 8, 16, QLatin1Char('0'));
            switch (Transparency(transparency)) {
            case Transparency::Everywhere:
                QVERIFY2(qAlpha(pixel) == 0, qPrintable(where));
                break;
            case Transparency::Allowed:
                if (qAlpha(pixel) == 0)
                    break;
                QVERIFY2(colours.contains(pixel), qPrintable(where));
                break;
            case Transparency::None:
                QVERIFY2(colours.contains(pixel), qPrintable(where));
                break;
            }
        }
    }
}

void TestPexesoArt::cardPicturesDiffer_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QStringList names = cardPictureNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (qsizetype j = i + 1; j < names.size(); ++j) {
            QTest::newRow(qPrintable(names[i] + QStringLiteral(" vs ") + names[j])) << names[i] << names[j];
        }
    }
}

void TestPexesoArt::cardPicturesDiffer()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(drawn(first) != drawn(second));
}

void TestPexesoArt::firstPlaceShowsTheBack()
{
    QCOMPARE(drawn(QStringLiteral("place0.png")), drawn(QStringLiteral("back.png")));
}

void TestPexesoArt::hasBlackFrame_data()
{
    QTest::addColumn<QString>("fileName");
    for (const QString &name : framedPictureNames())
        QTest::newRow(qPrintable(name)) << name;
    QTest::newRow("place0.png") << QStringLiteral("place0.png");
}

void TestPexesoArt::hasBlackFrame()
{
    QFETCH(QString, fileName);
    const QImage image = drawn(fileName);
    const QRect inside = image.rect().adjusted(2, 2, -2, -2);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside.contains(x, y))
                QVERIFY2(isBlack(image.pixel(x, y)), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
    // The frame is exactly two pixels wide: the pixel next to it inside is not all black all round.
    QVERIFY(countPixels(image, QRect(2, 2, 66, 1), qRgb(0, 0, 0)) < 66);
}

void TestPexesoArt::faceHasWhiteCornersAndNumber_data()
{
    QTest::addColumn<QString>("fileName");
    for (const QString &name : framedPictureNames()) {
        if (name.startsWith(QLatin1String("face")))
            QTest::newRow(qPrintable(name)) << name;
    }
}

void TestPexesoArt::faceHasWhiteCornersAndNumber()
{
    QFETCH(QString, fileName);
    const QImage face = drawn(fileName);
    const QRgb white = qRgb(255, 255, 255);
    const QRect corners[] = {QRect(2, 2, 3, 3), QRect(65, 2, 3, 3), QRect(65, 65, 3, 3), QRect(2, 66, 2, 2)};
    for (const QRect &corner : corners)
        QCOMPARE(countPixels(face, corner, white), corner.width() * corner.height());

    const QRect numberArea(3, 59, 10, 8);
    QVERIFY2(countPixels(face, numberArea, qRgb(0, 0, 0)) >= 7, "no number in the bottom-left corner");
    QVERIFY2(countPixels(face, numberArea, white) >= 30, "the number is not printed on white");
    QVERIFY2(countPixels(face, face.rect().adjusted(12, 8, -8, -12), white) < 46 * 46,
             "no motif in the middle");
}

void TestPexesoArt::backShowsStripesAndBand_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("intensity");
    QTest::addColumn<int>("bandOffset");
    QTest::newRow("back.png") << QStringLiteral("back.png") << 128 << 10;
    QTest::newRow("icon.png") << QStringLiteral("icon.png") << 127 << 4;
}

void TestPexesoArt::backShowsStripesAndBand()
{
    QFETCH(QString, fileName);
    QFETCH(int, intensity);
    QFETCH(int, bandOffset);
    const QImage back = drawn(fileName);
    const QRect inside = back.rect().adjusted(2, 2, -2, -2);
    const QRgb teal = qRgb(0, intensity, intensity);
    const QRgb olive = qRgb(intensity, intensity, 0);
    const QRgb green = qRgb(0, intensity, 0);
    QVERIFY(countPixels(back, inside, teal) > 0);
    QVERIFY(countPixels(back, inside, olive) > 0);
    QVERIFY(countPixels(back, inside, green) > 0);

    // The band runs along the diagonal, clear of the lettering at bandOffset from its middle.
    for (int i = inside.left(); i + bandOffset <= inside.right(); ++i) {
        QCOMPARE(back.pixel(i + bandOffset, i), green);
        QCOMPARE(back.pixel(i, i + bandOffset), green);
    }
    const QRect topRight(inside.right() - 5, inside.top(), 6, 6);
    const QRect bottomLeft(inside.left(), inside.bottom() - 5, 6, 6);
    for (const QRect &corner : {topRight, bottomLeft}) {
        QVERIFY(countPixels(back, corner, teal) > 0);
        QVERIFY(countPixels(back, corner, olive) > 0);
        QCOMPARE(countPixels(back, corner, green), 0);
    }
}

void TestPexesoArt::tileRepeatsSeamlessly()
{
    const QImage tile = drawn(QStringLiteral("tile.png"));
    const QRgb green = qRgb(0, 128, 0);
    const QRgb teal = qRgb(0, 128, 128);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb pixel = tile.pixel(x, y);
            const QString where = QStringLiteral("(%1, %2)").arg(x).arg(y);
            QVERIFY2(pixel == green || pixel == teal, qPrintable(where));
            QVERIFY2(pixel == tile.pixel((x + 25) % 50, y), qPrintable(where));
            QVERIFY2(pixel == tile.pixel(x, (y + 25) % 50), qPrintable(where));
        }
    }
    QVERIFY(countPixels(tile, tile.rect(), green) > 0);
    QVERIFY(countPixels(tile, tile.rect(), teal) > 0);
}

void TestPexesoArt::iconHasRoundedCorners()
{
    const QImage icon = drawn(QStringLiteral("icon.png"));
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    for (QPoint edge : {QPoint(16, 0), QPoint(0, 16), QPoint(31, 16), QPoint(16, 31)})
        QVERIFY(isBlack(icon.pixel(edge)));
    QCOMPARE(qAlpha(icon.pixel(16, 16)), 255);
}

QTEST_GUILESS_MAIN(TestPexesoArt)
#include "tst_pexesoart.moc"
