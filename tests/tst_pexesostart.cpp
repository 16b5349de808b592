#include "pexeso/form1.h"
#include "testsupport.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <map>
#include <memory>
#include <set>
#include <vector>

using pexeso::Form1;

namespace {

// Counts the clock seedings, so that a test can tell a new deal from a reseed.
class CountingRandom : public rt::LcgRandom
{
public:
    explicit CountingRandom(int &seedings) : rt::LcgRandom(777), seedings_(seedings) {}
    void randomize() override { ++seedings_; }

private:
    int &seedings_;
};

std::unique_ptr<Form1> loadedForm(std::uint32_t seed = 1)
{
    support::useSeed(seed);
    auto form = std::make_unique<Form1>();
    form->Load();
    return form;
}

std::vector<int> layoutOf(Form1 &form)
{
    std::vector<int> values;
    for (int n = 0; n <= 35; ++n)
        values.push_back(form.cardof(n).value());
    return values;
}

bool shows(Form1 &form, int place, int source)
{
    return form.Image3(place).picture().Handle() == form.Image2(source).picture().Handle();
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The draws that put the cards, 2 first and the second 19 last, on the given
// places, each draw taking its place straight away.
std::vector<float> drawsFor(const std::vector<int> &places)
{
    std::vector<float> draws;
    for (int place : places)
        draws.push_back(support::drawFor(place, 36));
    return draws;
}

} // namespace

class PexesoStartTest : public QObject
{
    Q_OBJECT

private slots:
    // First, so that a deal that cannot finish meets a scripted source that
    // runs out, rather than a seeded one that never does.
    void dealFollowsTheDraws();
    void secondDealDrawsOn();
    void placePositions_data();
    void placePositions();
    void everyPlaceAndTile();
    void heightRule_data();
    void heightRule();
    void windowAndStatusBar();
    void pictureSources();
    void dealGivesEachValueTwice_data();
    void dealGivesEachValueTwice();
    void sameSeedSameLayout();
    void seededOnlyOnce();
    void renderedTable();
    void emptyPlaceShowsTheTiles();
    void cardPicturesDistinctOnScreen();
    void statusBarShowsItsText();
};

void PexesoStartTest::placePositions_data()
{
    QTest::addColumn<bool>("tile");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("place 0") << false << 0 << 30.f << 30.f << QRect(2, 2, 70, 70);
    QTest::newRow("place 5") << false << 5 << 30.f << 5430.f << QRect(2, 362, 70, 70);
    QTest::newRow("place 6") << false << 6 << 1110.f << 30.f << QRect(74, 2, 70, 70);
    QTest::newRow("place 30") << false << 30 << 5430.f << 30.f << QRect(362, 2, 70, 70);
    QTest::newRow("place 35") << false << 35 << 5430.f << 5430.f << QRect(362, 362, 70, 70);
    QTest::newRow("tile 1") << true << 1 << 0.f << 0.f << QRect(0, 0, 50, 50);
    QTest::newRow("tile 9") << true << 9 << 6000.f << 0.f << QRect(400, 0, 50, 50);
    QTest::newRow("tile 10") << true << 10 << 0.f << 750.f << QRect(0, 50, 50, 50);
    QTest::newRow("tile 90") << true << 90 << 6000.f << 6750.f << QRect(400, 450, 50, 50);
}

void PexesoStartTest::placePositions()
{
    QFETCH(bool, tile);
    QFETCH(int, index);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(QRect, pixels);
    auto form = loadedForm();
    rt::Image &image = tile ? form->Image1(index) : form->Image3(index);
    QCOMPARE(image.Left(), left);
    QCOMPARE(image.Top(), top);
    QCOMPARE(image.Width(), tile ? 750.f : 1050.f);
    QCOMPARE(image.Height(), tile ? 750.f : 1050.f);
    QVERIFY(image.Visible());
    QCOMPARE(image.pixelRect(), pixels);
}

// Places are numbered down the columns; tiles along the rows.
void PexesoStartTest::everyPlaceAndTile()
{
    auto form = loadedForm();
    QCOMPARE(form->Image3.upperBound(), 35);
    QCOMPARE(form->Image1.upperBound(), 90);
    for (int n = 0; n <= 35; ++n) {
        QCOMPARE(form->Image3(n).Left(), (n / 6) * 1080.f + 30);
        QCOMPARE(form->Image3(n).Top(), (n % 6) * 1080.f + 30);
    }
    for (int g = 1; g <= 90; ++g) {
        QCOMPARE(form->Image1(g).Left(), ((g - 1) % 9) * 750.f);
        QCOMPARE(form->Image1(g).Top(), ((g - 1) / 9) * 750.f);
        QVERIFY(form->Image1(g).Visible());
    }
}

// The height is raised only when the grid's bottom (6480) passes it.
void PexesoStartTest::heightRule_data()
{
    QTest::addColumn<float>("heightBefore");
    QTest::addColumn<float>("statusBarHeight");
    QTest::addColumn<float>("heightAfter");
    QTest::newRow("as designed") << 5985.f << 225.f << 7155.f;
    QTest::newRow("just below the grid") << 6479.f << 225.f << 7155.f;
    QTest::newRow("taller status bar") << 5985.f << 300.f << 7230.f;
    QTest::newRow("exactly the grid's bottom") << 6480.f << 225.f << 6480.f;
    QTest::newRow("taller than the grid") << 8000.f << 225.f << 8000.f;
}

void PexesoStartTest::heightRule()
{
    QFETCH(float, heightBefore);
    QFETCH(float, statusBarHeight);
    QFETCH(float, heightAfter);
    support::useSeed(1);
    Form1 form;
    form.StatusBar1.setHeight(statusBarHeight);
    form.setHeight(heightBefore);
    form.Load();
    QCOMPARE(form.Height(), heightAfter);
    QCOMPARE(form.Width(), 6600.f);
}

void PexesoStartTest::windowAndStatusBar()
{
    support::useSeed(1);
    Form1 form;
    QCOMPARE(form.Width(), 6600.f);
    QCOMPARE(form.Height(), 5985.f);
    QCOMPARE(form.window()->size(), QSize(434, 374));
    form.Load();
    QCOMPARE(form.Width(), 6600.f);
    QCOMPARE(form.Height(), 7155.f);
    QCOMPARE(form.window()->size(), QSize(434, 452));
    QCOMPARE(form.window()->windowTitle(), QString("Pexeso"));
    QVERIFY(!(form.window()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.window()->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form.window()->minimumSize(), form.window()->maximumSize());
    QVERIFY(!form.window()->windowIcon().isNull());

    QCOMPARE(form.StatusBar1.Height(), 225.f);
    QCOMPARE(form.StatusBar1.widget()->geometry(), QRect(0, 437, 434, 15));
    QCOMPARE(QString::fromStdString(form.StatusBar1.panelText(1)), QString("N...nová hra"));
    QCOMPARE(QString::fromStdString(form.StatusBar1.panelText(2)), QString());
}

void PexesoStartTest::pictureSources()
{
    auto form = loadedForm();
    std::set<long> handles;
    for (int k = 0; k <= 19; ++k) {
        QVERIFY2(!form->Image2(k).Visible(), qPrintable(QString("Image2(%1)").arg(k)));
        handles.insert(form->Image2(k).picture().Handle());
    }
    QCOMPARE(handles.size(), std::size_t(20));
    QVERIFY(!handles.count(0));

    // Place 0 starts with its own copy of the back, pixel for pixel.
    Form1 designed;
    QVERIFY(designed.Image3(0).picture().Handle() != designed.Image2(1).picture().Handle());
    QCOMPARE(rgb(designed.Image3(0).picture().pixmap().toImage()),
             rgb(designed.Image2(1).picture().pixmap().toImage()));
    QVERIFY(designed.Image3(0).Visible());
}

void PexesoStartTest::dealGivesEachValueTwice_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    for (std::uint32_t seed : {1u, 2u, 99u, 0xABCDEFu, 0xFFFFFFu})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void PexesoStartTest::dealGivesEachValueTwice()
{
    QFETCH(std::uint32_t, seed);
    auto form = loadedForm(seed);
    for (int deal = 0; deal < 100; ++deal) {
        if (deal > 0)
            form->novahra();
        std::map<int, int> count;
        for (int n = 0; n <= 35; ++n) {
            ++count[form->cardof(n).value()];
            QCOMPARE(form->removed(n).value(), 0);
            QVERIFY(shows(*form, n, 1));
        }
        QCOMPARE(count.size(), std::size_t(18));
        for (int v = 2; v <= 19; ++v)
            QCOMPARE(count[v], 2);
        QCOMPARE(form->pairsleft.value(), 18);
        QCOMPARE(form->turned.value(), 0);
        QCOMPARE(form->firstcard.value(), 0);
        QCOMPARE(form->secondcard.value(), 0);
    }
}

void PexesoStartTest::sameSeedSameLayout()
{
    auto first = loadedForm(4242);
    auto second = loadedForm(4242);
    auto other = loadedForm(2424);
    QCOMPARE(layoutOf(*first), layoutOf(*second));
    QVERIFY(layoutOf(*first) != layoutOf(*other));
    // The source is the program's one; give both the same numbers again.
    support::useSeed(99);
    first->novahra();
    support::useSeed(99);
    second->novahra();
    QCOMPARE(layoutOf(*first), layoutOf(*second));
}

// Each card goes to the place drawn; a taken place is drawn again, and every
// draw, rejected ones included, uses up one number.
void PexesoStartTest::dealFollowsTheDraws()
{
    std::vector<int> places;
    for (int k = 0; k < 36; ++k)
        places.push_back(35 - k);
    std::vector<float> draws = drawsFor(places);
    // The second card of 2 first hits the first one's place; the last card
    // hits three taken places before its own.
    draws.insert(draws.begin() + 1, support::drawFor(35, 36));
    draws.insert(draws.end() - 1, {support::drawFor(1, 36), support::drawFor(20, 36), 0.9999f});
    support::ScriptedRandom &script = support::useScript(draws);
    Form1 form;
    form.Load();
    QCOMPARE(script.used(), draws.size());
    for (int k = 0; k < 36; ++k)
        QCOMPARE(form.cardof(places[k]).value(), 2 + k / 2);
}

void PexesoStartTest::secondDealDrawsOn()
{
    std::vector<int> firstPlaces;
    std::vector<int> secondPlaces;
    for (int k = 0; k < 36; ++k) {
        firstPlaces.push_back(k);
        secondPlaces.push_back((k * 5 + 3) % 36);
    }
    std::vector<float> draws = drawsFor(firstPlaces);
    const std::vector<float> second = drawsFor(secondPlaces);
    draws.insert(draws.end(), second.begin(), second.end());
    support::ScriptedRandom &script = support::useScript(draws);
    Form1 form;
    form.Load();
    QCOMPARE(script.used(), std::size_t(36));
    for (int k = 0; k < 36; ++k)
        QCOMPARE(form.cardof(firstPlaces[k]).value(), 2 + k / 2);
    form.novahra();
    QCOMPARE(script.used(), std::size_t(72));
    for (int k = 0; k < 36; ++k)
        QCOMPARE(form.cardof(secondPlaces[k]).value(), 2 + k / 2);
}

void PexesoStartTest::seededOnlyOnce()
{
    int seedings = 0;
    rt::setRandomSource(std::make_unique<CountingRandom>(seedings));
    Form1 form;
    QCOMPARE(seedings, 0);
    form.Load();
    QCOMPARE(seedings, 1);
    form.novahra();
    form.Form_KeyDown(78, 0);
    QCOMPARE(seedings, 1);
}

void PexesoStartTest::renderedTable()
{
    auto form = loadedForm();
    QVERIFY(support::showAndWait(form->window()));
    const QImage shot = support::grab(form->window());
    const QImage back = rgb(QImage(":/pexeso/back.png"));
    for (int n = 0; n <= 35; ++n)
        QCOMPARE(shot.copy(form->Image3(n).pixelRect()), back);
    // Between the cards the tiles show: the gap left of place 6 is tile pixels.
    const QImage tile = rgb(QImage(":/pexeso/tile.png"));
    for (int y = 0; y < 432; ++y)
        QCOMPARE(shot.pixel(72, y), tile.pixel(72 % 50, y % 50));
}

void PexesoStartTest::emptyPlaceShowsTheTiles()
{
    auto form = loadedForm(31);
    QVERIFY(support::showAndWait(form->window()));
    // Take the pair of value 2 off the table, through real clicks.
    std::vector<int> pair;
    for (int n = 0; n <= 35; ++n)
        if (form->cardof(n) == 2)
            pair.push_back(n);
    QCOMPARE(pair.size(), std::size_t(2));
    for (int n : {pair[0], pair[1], pair[0]})
        support::mouseClick(form->Image3(n), Qt::LeftButton);
    QCOMPARE(form->removed(pair[0]).value(), -1);

    const QImage shot = support::grab(form->window());
    const QImage tile = rgb(QImage(":/pexeso/tile.png"));
    std::set<QRgb> colours;
    for (int n : pair) {
        const QRect at = form->Image3(n).pixelRect();
        for (int y = at.top(); y <= at.bottom(); ++y) {
            for (int x = at.left(); x <= at.right(); ++x) {
                QCOMPARE(shot.pixel(x, y), tile.pixel(x % 50, y % 50));
                colours.insert(shot.pixel(x, y) & 0xFFFFFF);
            }
        }
    }
    QVERIFY(colours.count(qRgb(0, 128, 0) & 0xFFFFFF));
    QVERIFY(colours.count(qRgb(0, 128, 128) & 0xFFFFFF));
}

// The empty place, the back and the 18 faces, each shown by a place.
void PexesoStartTest::cardPicturesDistinctOnScreen()
{
    auto form = loadedForm();
    for (int k = 0; k <= 19; ++k)
        form->Image3(k).setPicture(form->Image2(k).picture());
    QVERIFY(support::showAndWait(form->window()));
    const QImage shot = support::grab(form->window());
    std::vector<QImage> shown;
    for (int k = 0; k <= 19; ++k)
        shown.push_back(shot.copy(form->Image3(k).pixelRect()));
    for (int a = 0; a <= 19; ++a)
        for (int b = a + 1; b <= 19; ++b)
            QVERIFY2(shown[a] != shown[b], qPrintable(QString("Image2(%1) and Image2(%2)").arg(a).arg(b)));
    for (int k = 1; k <= 19; ++k)
        QCOMPARE(shown[k], rgb(form->Image2(k).picture().pixmap().toImage()));
}

void PexesoStartTest::statusBarShowsItsText()
{
    auto form = loadedForm();
    QVERIFY(support::showAndWait(form->window()));
    const QImage shot = support::grab(form->window());
    auto darkPixels = [&shot](const QRect &area) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                dark += qGray(shot.pixel(x, y)) < 80;
        return dark;
    };
    // Inside the frames: panel 1 is 76 pixels wide, panel 2 the rest.
    QVERIFY(darkPixels(QRect(2, 439, 72, 11)) > 30);
    QCOMPARE(darkPixels(QRect(80, 439, 350, 11)), 0);
    // The bar is opaque: no tile shows through it.
    for (int x = 0; x < 434; ++x)
        QVERIFY(qGray(shot.pixel(x, 451)) > 100);
}

QTEST_MAIN(PexesoStartTest)
#include "tst_pexesostart.moc"
