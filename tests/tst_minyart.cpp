#include "drawnpictures.h"
#include "minyart.h"

#include <QTest>

#include <cstdlib>
#include <utility>

namespace {

constexpr int Cell = 15;

const QRgb Black = qRgb(0, 0, 0);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0);

const QStringList CellPictures = {
    "digit1.png", "digit2.png", "digit3.png", "digit4.png", "digit5.png", "digit6.png", "digit7.png", "digit8.png",
    "covered.png", "uncovered.png", "flag.png", "question.png", "mine.png", "minehit.png", "wrongflag.png",
};
const QStringList FacePictures = {"face_normal.png", "face_pressing.png", "face_dead.png", "face_cool.png",
                                  "face_sunken.png"};

const DrawnPictures &drawing()
{
    static const DrawnPictures pictures(minyart::drawAll(), ASSETS_DIR);
    return pictures;
}

} // namespace

class TestMinyArt : public QObject
{
    Q_OBJECT

private slots:
    void drawsEveryCommittedPicture()
    {
        QVERIFY(drawing().namesAre(CellPictures + FacePictures
                                   + QStringList{"icon.png", "placeholder_cell.png", "placeholder_face.png"}));
    }

    void committedSizeAndPalette_data() { drawing().addRowPerPicture(); }
    void committedSizeAndPalette()
    {
        QFETCH(QString, fileName);
        const int size = fileName == "icon.png" ? 32 : fileName.contains("face") ? 25 : Cell;
        int transparent = 0;
        const QString problem = drawing().problem(fileName, size, standardPalette(), transparent);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(transparent == 0 || size == 32);
    }

    void picturesOfOneKindAreDistinct()
    {
        for (const QStringList &kind : {CellPictures, FacePictures})
            for (qsizetype i = 0; i < kind.size(); ++i)
                for (qsizetype j = i + 1; j < kind.size(); ++j)
                    QVERIFY2(drawing()(kind[i]) != drawing()(kind[j]), qPrintable(kind[i] + " is " + kind[j]));
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
        const QImage cell = drawing()(fileName);
        const QRgb light = flatGround ? flatGround : White;
        const QRgb dark = flatGround ? flatGround : Grey;
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
        const QImage cell = drawing()(QString("digit%1.png").arg(digit));
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

    // A round body seven pixels across, spikes straight and diagonal, one
    // white highlight at its upper left; the hit mine on red.
    void mines()
    {
        for (const auto &[fileName, ground] : {std::pair("mine.png", Silver), {"minehit.png", Red}}) {
            const QImage cell = drawing()(fileName);
            const int m = Cell / 2;
            for (QPoint body : {QPoint(m, m), QPoint(m - 3, m - 1), QPoint(m + 3, m + 1), QPoint(m, m - 5),
                                QPoint(m + 5, m), QPoint(m - 4, m - 4), QPoint(m + 4, m + 4)})
                QCOMPARE(cell.pixel(body), Black);
            QVERIFY(cell.pixel(m - 3, m - 2) == ground && cell.pixel(m + 3, m + 2) == ground);
            QCOMPARE(countPixels(cell, cell.rect(), White), 1);
            QCOMPARE(countPixels(cell, QRect(0, 0, m, m), White), 1);
        }
    }

    // A red diagonal cross seven pixels across, with no mine under it.
    void wrongFlag()
    {
        const QImage wrong = drawing()("wrongflag.png");
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
            const QImage button = drawing()(fileName);
            const QPoint centre = fileName == "face_sunken.png" ? QPoint(13, 13) : QPoint(12, 12);
            QVERIFY(button.pixel(centre) == Yellow && button.pixel(centre - QPoint(7, 0)) == Yellow);
            for (QPoint rim : {QPoint(8, 0), QPoint(-8, 0), QPoint(0, 8), QPoint(0, -8)})
                QCOMPARE(button.pixel(centre + rim), Black);
            QVERIFY(button.pixel(centre - QPoint(9, 0)) == Silver && button.pixel(centre - QPoint(0, 9)) == Silver);
        }
        QCOMPARE(drawing()("face_normal.png").pixel(0, 0), White);  // raised
        QCOMPARE(drawing()("face_sunken.png").pixel(0, 0), Black);  // pressed
    }

    void iconIsTransparentAroundTheMine()
    {
        const QImage icon = drawing()("icon.png");
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        QCOMPARE(qAlpha(icon.pixel(16, 16)), 255);
    }
};

QTEST_GUILESS_MAIN(TestMinyArt)
#include "tst_minyart.moc"
