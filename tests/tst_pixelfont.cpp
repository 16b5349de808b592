#include "pixelfont.h"

#include <QPainter>
#include <QtTest>

namespace {

constexpr int margin = 3;
const QColor paper(0, 128, 0);
const QColor ink(255, 255, 128);

const rt::PixelFont &font = rt::PixelFont::standard();

// The text drawn a margin away from the edges, so that ink outside its line shows.
QImage render(const QString &text)
{
    QImage image(font.textWidth(text) + 2 * margin, font.height() + 2 * margin, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    font.draw(painter, QPoint(margin, margin), text, ink);
    return image;
}

// The inked pixels' bounds, in the line's own coordinates.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != paper)
                bounds |= QRect(x - margin, y - margin, 1, 1);
    return bounds;
}

} // namespace

class TestPixelFont : public QObject
{
    Q_OBJECT

private slots:
    // Each character sits on the baseline, inked only inside its advance,
    // and looks like no other of its row.
    void glyphs_data()
    {
        QTest::addColumn<QString>("characters");
        QTest::addColumn<int>("rowsAboveBaseline");
        QTest::addColumn<int>("rowsBelowBaseline");
        QTest::newRow("capitals") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << 7 << 0;
        QTest::newRow("digits") << QStringLiteral("0123456789") << 7 << 0;
        QTest::newRow("ascenders") << QStringLiteral("bdfhiklt") << 7 << 0;
        QTest::newRow("x-height") << QStringLiteral("acemnorsuvwxz") << 5 << 0;
        QTest::newRow("descenders") << QStringLiteral("gpqy") << 5 << 2;
        QTest::newRow("accented capitals") << QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ") << 10 << 0;
        QTest::newRow("accented lower case") << QStringLiteral("áčéěíňóřšúž") << 8 << 0;
        QTest::newRow("apostrophe carons") << QStringLiteral("ďť") << 7 << 0;
        QTest::newRow("accent and descender") << QStringLiteral("ý") << 8 << 2;
        QTest::newRow("punctuation") << QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~…") << -1 << -1;
    }
    void glyphs()
    {
        QFETCH(QString, characters);
        QFETCH(int, rowsAboveBaseline);
        QFETCH(int, rowsBelowBaseline);
        for (qsizetype i = 0; i < characters.size(); ++i) {
            const QChar c = characters.at(i);
            const QRect bounds = inkBounds(render(c));
            QVERIFY2(font.hasGlyph(c) && !bounds.isNull(), qPrintable(c));
            QVERIFY2(QRect(0, 0, font.textWidth(c), font.height()).contains(bounds), qPrintable(c));
            QVERIFY2(rowsAboveBaseline < 0 || (bounds.top() == font.ascent() - rowsAboveBaseline
                                               && bounds.bottom() == font.ascent() - 1 + rowsBelowBaseline),
                     qPrintable(c));
            for (qsizetype j = i + 1; j < characters.size(); ++j)
                QVERIFY2(render(c) != render(characters.at(j)), qPrintable(characters.mid(i, 1) + characters.at(j)));
        }
    }
};

QTEST_MAIN(TestPixelFont)
#include "tst_pixelfont.moc"
