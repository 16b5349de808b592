#include "pexesoplayer.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <memory>

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

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The background tiles' colour at a pixel of the window.
QRgb tileAt(int x, int y)
{
    static const QImage tile = rgb(QImage(":/pexeso/tile.png"));
    return tile.pixel(x % 50, y % 50);
}

} // namespace

class PexesoStartTest : public QObject
{
    Q_OBJECT

private slots:
    // Card k of the values 2, 2, 3, 3, ... 19, 19 goes to the place drawn for
    // it; a taken place is drawn again, each draw using up one number, and
    // the next deal draws on. First, so that a deal that cannot finish meets
    // a scripted source that runs out.
    void dealFollowsTheDraws()
    {
        std::vector<int> first, second;
        std::vector<float> draws, next;
        for (int k = 0; k < 36; ++k) {
            first.push_back(35 - k);
            second.push_back((k * 5 + 3) % 36);
            draws.push_back(support::drawFor(first.back(), 36));
            next.push_back(support::drawFor(second.back(), 36));
        }
        // The second 2 hits the first one's place; the last card three taken places.
        draws.insert(draws.begin() + 1, support::drawFor(35, 36));
        draws.insert(draws.end() - 1, {support::drawFor(1, 36), support::drawFor(20, 36), 0.9999f});
        const std::size_t firstDeal = draws.size();
        draws.insert(draws.end(), next.begin(), next.end());
        support::ScriptedRandom &script = support::useScript(draws);
        Form1 form;
        form.Load();
        QCOMPARE(script.used(), firstDeal);
        for (int k = 0; k < 36; ++k)
            QCOMPARE(form.cardof(first[k]).value(), 2 + k / 2);
        form.novahra();
        QCOMPARE(script.used(), draws.size());
        for (int k = 0; k < 36; ++k)
            QCOMPARE(form.cardof(second[k]).value(), 2 + k / 2);
    }

    // The same source deals the same layout; only the start-up seeds it.
    void dealComesFromTheSource()
    {
        QCOMPARE(support::snapshot(*loadedForm(4242)).cardof, support::snapshot(*loadedForm(4242)).cardof);
        QVERIFY(support::snapshot(*loadedForm(4242)).cardof != support::snapshot(*loadedForm(2424)).cardof);
        int seedings = 0;
        rt::setRandomSource(std::make_unique<CountingRandom>(seedings));
        Form1 form;
        QCOMPARE(seedings, 0);
        form.Load();
        form.novahra();
        form.Form_KeyDown(78, 0);
        QCOMPARE(seedings, 1);
        const QString broken = support::brokenInvariant(form);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    // Places run down the columns, 72 pixels apart; tiles along the rows.
    void layout()
    {
        auto form = loadedForm();
        QCOMPARE(form->Image3.upperBound(), 35);
        for (int n = 0; n <= 35; ++n)
            QCOMPARE(form->Image3(n).pixelRect(), QRect(2 + n / 6 * 72, 2 + n % 6 * 72, 70, 70));
        QCOMPARE(form->Image1.upperBound(), 90);
        for (int g = 1; g <= 90; ++g)
            QVERIFY(form->Image1(g).Visible()
                    && form->Image1(g).pixelRect() == QRect((g - 1) % 9 * 50, (g - 1) / 9 * 50, 50, 50));
        // Before the deal, place 0 shows its own copy of the back.
        Form1 designed;
        QVERIFY(designed.Image3(0).picture().Handle() != designed.Image2(1).picture().Handle());
        QCOMPARE(rgb(designed.Image3(0).picture().pixmap().toImage()),
                 rgb(designed.Image2(1).picture().pixmap().toImage()));
    }

    // The window grows only when the grid's bottom (6480 twips) passes its height.
    void height_data()
    {
        QTest::addColumn<float>("heightBefore");
        QTest::addColumn<float>("statusBarHeight");
        QTest::addColumn<float>("heightAfter");
        QTest::newRow("as designed") << 5985.f << 225.f << 7155.f;
        QTest::newRow("taller status bar") << 5985.f << 300.f << 7230.f;
        QTest::newRow("exactly the grid's bottom") << 6480.f << 225.f << 6480.f;
    }
    void height()
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
    }

    void window()
    {
        auto form = loadedForm();
        QWidget *window = form->window();
        QCOMPARE(window->size(), QSize(434, 452));
        QCOMPARE(window->windowTitle(), QString("Pexeso"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(form->StatusBar1.widget()->geometry(), QRect(0, 437, 434, 15));
        QCOMPARE(QString::fromStdString(form->StatusBar1.panelText(1)), QString("N...nová hra"));
        QCOMPARE(QString::fromStdString(form->StatusBar1.panelText(2)), QString());
        // On screen: dark text in panel 1, nothing in panel 2.
        QVERIFY(support::showAndWait(window));
        const QImage shot = support::grab(window);
        int dark[2] = {};
        for (int y = 439; y < 450; ++y)
            for (int x = 2; x < 430; ++x)
                dark[x >= 80] += (x < 74 || x >= 80) && qGray(shot.pixel(x, y)) < 80;
        QVERIFY(dark[0] > 30);
        QCOMPARE(dark[1], 0);
    }

    // Backs on the places; each of the 20 pictures distinct when shown; once
    // the table is cleared through real clicks, the tiles everywhere.
    void tableOnScreen()
    {
        support::MessageRecorder messages;
        auto form = loadedForm(31);
        QVERIFY(support::showAndWait(form->window()));
        QImage shot = support::grab(form->window());
        for (int n = 0; n <= 35; ++n)
            QCOMPARE(shot.copy(form->Image3(n).pixelRect()), rgb(QImage(":/pexeso/back.png")));

        for (int k = 0; k <= 19; ++k)
            form->Image3(k).setPicture(form->Image2(k).picture());
        shot = support::grab(form->window());
        for (int a = 0; a <= 19; ++a)
            for (int b = a + 1; b <= 19; ++b)
                QVERIFY2(shot.copy(form->Image3(a).pixelRect()) != shot.copy(form->Image3(b).pixelRect()),
                         qPrintable(QString("Image2(%1) and Image2(%2) look alike").arg(a).arg(b)));

        for (int value = 2; value <= 19; ++value) {
            const std::vector<int> pair = support::placesOf(*form, value);
            for (int n : {pair[0], pair[1], pair[0]})
                support::mouseClick(form->Image3(n), Qt::LeftButton);
        }
        QCOMPARE(form->pairsleft.value(), 0);
        shot = support::grab(form->window());
        for (int y = 0; y < 434; ++y)
            for (int x = 0; x < 434; ++x)
                if (shot.pixel(x, y) != tileAt(x, y))
                    QFAIL(qPrintable(QString("(%1,%2) is not the tile").arg(x).arg(y)));
    }
};

QTEST_MAIN(PexesoStartTest)
#include "tst_pexesostart.moc"
