#include "pixelfont.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

constexpr int margin = 3;
constexpr int glyphGap = 1;
const QColor paper(0, 128, 0);
const QColor ink(255, 255, 128);

const QString czechLowerCase = QStringLiteral("áčďéěíňóřšťúůýž");
const QString czechCapitals = QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
const QString ellipsis = QStringLiteral("…");

const QStringList sampleLines = {
    QStringLiteral("54 miny  27 min  1 mina  21 mina  1000s  0s"),
    QStringLiteral("N...nová hra"),
    QStringLiteral("Label1 Label2 Prohrál jsi, vypršel ti čas! Blahopřeji k výhře!"),
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
    QStringLiteral("abcdefghijklmnopqrstuvwxyz 0123456789"),
    czechLowerCase + u' ' + czechCapitals + u' ' + ellipsis,
};

const rt::PixelFont &font()
{
    return rt::PixelFont::standard();
}

QString printableAscii()
{
    QString characters;
    for (char16_t c = 32; c <= 126; ++c)
        characters += QChar(c);
    return characters;
}

// The text drawn a margin away from the edges of an image painted at the
// given scale, so that a pixel outside the line would show in the margin.
QImage render(const QString &text, qreal scale = 1, bool antialiased = false)
{
    const QSizeF lineSize(font().textWidth(text) + 2 * margin, font().height() + 2 * margin);
    QImage image((lineSize * scale).toSize(), QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.scale(scale, scale);
    font().draw(painter, QPoint(margin, margin), text, ink);
    return image;
}

// The smallest rectangle holding every inked pixel of a 1x rendering, in the
// line's own coordinates.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != paper)
                bounds |= QRect(x - margin, y - margin, 1, 1);
        }
    }
    return bounds;
}

bool isInked(const QImage &image, int x, int y)
{
    return image.pixelColor(x + margin, y + margin) != paper;
}

// The file mappings of the process that belong to fonts: fontconfig maps its
// caches and Qt maps the font files once the font database has been loaded.
QStringList fontMappings()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList mappings;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        if (line.contains("/fontconfig/") || line.contains("/fonts/"))
            mappings += QString::fromUtf8(line);
    }
    return mappings;
}

} // namespace

class TestPixelFont : public QObject
{
    Q_OBJECT

private slots:
    void everyCharacterHasAGlyphInsideTheLine_data();
    void everyCharacterHasAGlyphInsideTheLine();
    void unknownCharactersDrawAHollowBox_data();
    void unknownCharactersDrawAHollowBox();
    void lettersSitOnTheBaseline_data();
    void lettersSitOnTheBaseline();
    void textFitsItsRoom_data();
    void textFitsItsRoom();
    void widthEndsAtTheLastInk_data();
    void widthEndsAtTheLastInk();
    void digitsShareOneWidth();
    void drawsOnlyInTheGivenColour_data();
    void drawsOnlyInTheGivenColour();
    void scaledPixelsAreSolidBlocks_data();
    void scaledPixelsAreSolidBlocks();
    void distinctCharactersLookDistinct_data();
    void distinctCharactersLookDistinct();
    void sameCharactersRenderTheSame_data();
    void sameCharactersRenderTheSame();
    void decomposedAccentsLookComposed_data();
    void decomposedAccentsLookComposed();
    // Runs last, so that it also covers everything drawn before it.
    void neverLoadsTheFontDatabase();
};

void TestPixelFont::everyCharacterHasAGlyphInsideTheLine_data()
{
    QTest::addColumn<QString>("characters");
    QTest::newRow("printable ASCII") << printableAscii();
    QTest::newRow("Czech lower case") << czechLowerCase;
    QTest::newRow("Czech capitals") << czechCapitals;
    QTest::newRow("ellipsis") << ellipsis;
}

void TestPixelFont::everyCharacterHasAGlyphInsideTheLine()
{
    QFETCH(QString, characters);
    for (const QChar c : characters) {
        QVERIFY2(font().hasGlyph(c), qPrintable(c));
        const QRect line(0, 0, font().textWidth(c), font().height());
        const QRect bounds = inkBounds(render(c));
        QVERIFY2(bounds.isNull() == (c == u' '), qPrintable(c)); // only the space is blank
        QVERIFY2(bounds.isNull() || line.contains(bounds), qPrintable(c));
    }
}

void TestPixelFont::unknownCharactersDrawAHollowBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ideograph") << QStringLiteral("中");
    QTest::newRow("private use") << QString(QChar(0xE000));
    QTest::newRow("tab") << QStringLiteral("\t");
    QTest::newRow("surrogate pair") << QString::fromUcs4(U"\U0001F600", 1);
}

void TestPixelFont::unknownCharactersDrawAHollowBox()
{
    QFETCH(QString, text);
    QVERIFY(!font().hasGlyph(text.front()));

    const QImage image = render(text);
    const QRect box = inkBounds(image);
    QCOMPARE(box.bottom(), font().ascent() - 1);
    QCOMPARE(box.height(), 5);
    QCOMPARE(font().textWidth(text), box.width());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool onEdge = x == box.left() || x == box.right()
                    || y == box.top() || y == box.bottom();
            QCOMPARE(isInked(image, x, y), onEdge);
        }
    }
}

void TestPixelFont::lettersSitOnTheBaseline_data()
{
    QTest::addColumn<QString>("characters");
    QTest::addColumn<int>("rowsAboveBaseline");
    QTest::addColumn<int>("rowsBelowBaseline");
    QTest::newRow("capitals") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << 7 << 0;
    QTest::newRow("digits") << QStringLiteral("0123456789") << 7 << 0;
    QTest::newRow("ascenders") << QStringLiteral("bdfhiklt") << 7 << 0;
    QTest::newRow("x-height") << QStringLiteral("acemnorsuvwxz") << 5 << 0;
    QTest::newRow("descenders") << QStringLiteral("gpqy") << 5 << 2;
    QTest::newRow("accented capitals") << czechCapitals << 10 << 0;
    QTest::newRow("accented lower case") << QStringLiteral("áčéěíňóřšúž") << 8 << 0;
    QTest::newRow("apostrophe carons") << QStringLiteral("ďť") << 7 << 0;
}

void TestPixelFont::lettersSitOnTheBaseline()
{
    QFETCH(QString, characters);
    QFETCH(int, rowsAboveBaseline);
    QFETCH(int, rowsBelowBaseline);
    for (const QChar c : characters) {
        const QRect bounds = inkBounds(render(c));
        QVERIFY2(bounds.top() == font().ascent() - rowsAboveBaseline, qPrintable(c));
        QVERIFY2(bounds.bottom() == font().ascent() - 1 + rowsBelowBaseline, qPrintable(c));
    }
}

void TestPixelFont::textFitsItsRoom_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::newRow("mine counter") << QStringLiteral("54 miny") << 48;
    QTest::newRow("mine counter, genitive") << QStringLiteral("27 min") << 48;
    QTest::newRow("clock") << QStringLiteral("1000s") << 49;
    QTest::newRow("check box caption") << QStringLiteral("54 miny") << 38;
    QTest::newRow("new game caption") << QStringLiteral("N...nová hra") << 74;
}

void TestPixelFont::textFitsItsRoom()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QVERIFY2(font().textWidth(text) <= room, qPrintable(QString::number(font().textWidth(text))));
}

void TestPixelFont::widthEndsAtTheLastInk_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("counter") << QStringLiteral("54 miny");
    QTest::newRow("caption") << QStringLiteral("N...nová hra");
    QTest::newRow("word") << QStringLiteral("Chyba");
}

void TestPixelFont::widthEndsAtTheLastInk()
{
    QFETCH(QString, text);
    const QRect bounds = inkBounds(render(text));
    QCOMPARE(bounds.left(), 0);
    QCOMPARE(bounds.right(), font().textWidth(text) - 1);
}

void TestPixelFont::digitsShareOneWidth()
{
    const int width = font().textWidth(QStringLiteral("0"));
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        QVERIFY2(font().textWidth(QChar(digit)) == width, qPrintable(QChar(digit)));
}

void TestPixelFont::drawsOnlyInTheGivenColour_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("antialiased");
    QTest::newRow("1x") << 1.0 << false;
    QTest::newRow("2x") << 2.0 << false;
    QTest::newRow("3x") << 3.0 << false;
    QTest::newRow("1x, antialiasing asked for") << 1.0 << true;
    QTest::newRow("1.5x, antialiasing asked for") << 1.5 << true;
}

void TestPixelFont::drawsOnlyInTheGivenColour()
{
    QFETCH(qreal, scale);
    QFETCH(bool, antialiased);
    for (const QString &line : sampleLines) {
        const QImage image = render(line, scale, antialiased);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                QVERIFY2(pixel == paper || pixel == ink, qPrintable(line));
                inked += pixel == ink;
            }
        }
        QVERIFY(inked > 0);
    }
}

void TestPixelFont::scaledPixelsAreSolidBlocks_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("2x") << 2;
    QTest::newRow("3x") << 3;
}

void TestPixelFont::scaledPixelsAreSolidBlocks()
{
    QFETCH(int, scale);
    for (const QString &line : sampleLines) {
        const QImage pixels = render(line);
        const QImage blocks = render(line, scale);
        QCOMPARE(blocks.size(), pixels.size() * scale);
        for (int y = 0; y < blocks.height(); ++y) {
            for (int x = 0; x < blocks.width(); ++x) {
                if (blocks.pixel(x, y) != pixels.pixel(x / scale, y / scale))
                    QFAIL(qPrintable(QStringLiteral("%1 at %2,%3").arg(line).arg(x).arg(y)));
            }
        }
    }
}

void TestPixelFont::distinctCharactersLookDistinct_data()
{
    QTest::addColumn<QString>("characters");
    QTest::newRow("digits") << QStringLiteral("0123456789");
    QTest::newRow("lower case") << QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    QTest::newRow("capitals") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QTest::newRow("accented lower case and bases") << czechLowerCase + QStringLiteral("acdeinorstuyz");
    QTest::newRow("accented capitals and bases") << czechCapitals + QStringLiteral("ACDEINORSTUYZ");
    QTest::newRow("punctuation") << QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~…");
    QTest::newRow("strokes") << QStringLiteral("Il1|!i:;.,'`");
}

void TestPixelFont::distinctCharactersLookDistinct()
{
    QFETCH(QString, characters);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QImage first = render(characters.at(i));
        for (qsizetype j = i + 1; j < characters.size(); ++j) {
            const QString pair = characters.at(i) + QStringLiteral(" and ") + characters.at(j);
            QVERIFY2(first != render(characters.at(j)), qPrintable(pair));
        }
    }
}

void TestPixelFont::sameCharactersRenderTheSame_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("word");
    QTest::newRow("after one digit") << QStringLiteral("1 ") << QStringLiteral("mina");
    QTest::newRow("after two digits") << QStringLiteral("21 ") << QStringLiteral("mina");
    QTest::newRow("second label") << QStringLiteral("Label1 ") << QStringLiteral("Label2");
    QTest::newRow("after accents") << QStringLiteral("Prohrál jsi, vypršel ") << QStringLiteral("ti čas!");
}

// The word drawn after other text is the word drawn alone: the text's
// width and the pen's advance agree.
void TestPixelFont::sameCharactersRenderTheSame()
{
    QFETCH(QString, before);
    QFETCH(QString, word);
    const QImage alone = render(word);
    const QImage inText = render(before + word);
    const int wordStart = font().textWidth(before) + glyphGap;
    const int height = alone.height();
    QCOMPARE(inText.copy(margin + wordStart, 0, font().textWidth(word), height),
             alone.copy(margin, 0, font().textWidth(word), height));
    QCOMPARE(inText.width(), alone.width() + wordStart);
}

void TestPixelFont::decomposedAccentsLookComposed_data()
{
    QTest::addColumn<QString>("composed");
    QTest::addColumn<QString>("decomposed");
    QTest::newRow("acute") << QStringLiteral("á") << QStringLiteral("a\u0301");
    QTest::newRow("caron") << QStringLiteral("Ř") << QStringLiteral("R\u030C");
    QTest::newRow("ring") << QStringLiteral("ů") << QStringLiteral("u\u030A");
}

void TestPixelFont::decomposedAccentsLookComposed()
{
    QFETCH(QString, composed);
    QFETCH(QString, decomposed);
    QCOMPARE(render(decomposed), render(composed));
}

void TestPixelFont::neverLoadsTheFontDatabase()
{
    for (const QString &line : sampleLines) {
        for (int scale = 1; scale <= 3; ++scale)
            render(line, scale);
    }
    QCOMPARE(fontMappings(), QStringList());

    // The check proves something only if loading the database shows in the map.
    QImage image(64, 16, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawText(QPoint(0, 12), QStringLiteral("miny"));
    if (fontMappings().isEmpty())
        QSKIP("Loading the system's fonts leaves no trace in this process's memory map");
}

QTEST_MAIN(TestPixelFont)
#include "tst_pixelfont.moc"
