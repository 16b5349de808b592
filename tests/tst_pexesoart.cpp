#include "drawnpictures.h"
#include "pexesoart.h"

#include <QTest>

namespace {

const QRgb Black = qRgb(0, 0, 0);

const DrawnPictures &drawing()
{
    static const DrawnPictures pictures(pexesoart::drawAll(), ASSETS_DIR);
    return pictures;
}

// The empty place, the back and the eighteen faces.
QStringList cardPictures()
{
    QStringList names = {"empty.png", "back.png"};
    for (int number = 1; number <= 18; ++number)
        names << QString("face%1.png").arg(number, 2, 10, QLatin1Char('0'));
    return names;
}

} // namespace

class TestPexesoArt : public QObject
{
    Q_OBJECT

private slots:
    void drawsEveryCommittedPicture()
    {
        QVERIFY(drawing().namesAre(cardPictures() << "icon.png" << "place0.png" << "tile.png"));
    }

    // Cards are 70 x 70 and the tile 50 x 50, in the standard palette and
    // opaque; the empty place is wholly transparent, so that the tiles show
    // through it; the icon, the back in small, is at half intensity with
    // transparent rounded corners.
    void committedSizeAndPalette_data() { drawing().addRowPerPicture(); }
    void committedSizeAndPalette()
    {
        QFETCH(QString, fileName);
        const bool icon = fileName == "icon.png";
        const int size = icon ? 32 : fileName == "tile.png" ? 50 : 70;
        int transparent = 0;
        const QString problem = drawing().problem(fileName, size, standardPalette(icon ? 127 : 128), transparent);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(transparent, fileName == "empty.png" ? size * size : icon ? transparent : 0);
        const QImage image = drawing()(fileName);
        QVERIFY(!icon || (!qAlpha(image.pixel(0, 0)) && image.pixel(16, 0) == Black && qAlpha(image.pixel(16, 16))));
    }

    void cardPicturesAreDistinct()
    {
        const QStringList names = cardPictures();
        for (qsizetype i = 0; i < names.size(); ++i)
            for (qsizetype j = i + 1; j < names.size(); ++j)
                QVERIFY2(drawing()(names[i]) != drawing()(names[j]), qPrintable(names[i] + " is " + names[j]));
        QCOMPARE(drawing()("place0.png"), drawing()("back.png"));
    }

    // A black frame two pixels wide around the back's stripes or a face's white interior.
    void framedCards_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString &card : cardPictures().mid(1))
            QTest::newRow(qPrintable(card)) << card;
    }
    void framedCards()
    {
        QFETCH(QString, fileName);
        const QImage card = drawing()(fileName);
        for (int i = 0; i < 70; ++i)
            for (int edge : {0, 1, 68, 69})
                QVERIFY(card.pixel(i, edge) == Black && card.pixel(edge, i) == Black);
        QVERIFY(countPixels(card, QRect(2, 2, 66, 1), Black) < 66);
        const bool face = fileName.startsWith("face");
        for (const QRect corner : {QRect(2, 2, 3, 3), QRect(65, 2, 3, 3), QRect(65, 65, 3, 3)})
            QCOMPARE(countPixels(card, corner, qRgb(255, 255, 255)), face ? 9 : 0);
    }

    // Tiles laid edge to edge form one lattice of green and teal diamonds,
    // repeating every 25 pixels.
    void tileRepeatsSeamlessly()
    {
        const QImage tile = drawing()("tile.png");
        const int green = countPixels(tile, tile.rect(), qRgb(0, 128, 0));
        const int teal = countPixels(tile, tile.rect(), qRgb(0, 128, 128));
        QVERIFY(green > 0 && teal > 0 && green + teal == 50 * 50);
        QCOMPARE(tile.copy(0, 0, 25, 50), tile.copy(25, 0, 25, 50));
        QCOMPARE(tile.copy(0, 0, 50, 25), tile.copy(0, 25, 50, 25));
    }
};

QTEST_GUILESS_MAIN(TestPexesoArt)
#include "tst_pexesoart.moc"
