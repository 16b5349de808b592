// Both games as they start: their windows, what a screen reader finds in
// them, the keyboard's cursor on every picture, the mine counter's captions,
// the deal of the cards, the seeding of the random source and the card
// table's height.
#include "keyboardgrid.h"
#include "minyfield.h"
#include "pexesoplayer.h"

namespace {

// A loaded game of either kind: its window, its cells or card places, their
// picture sources, and the element of the first cell.
struct Game
{
    std::unique_ptr<rt::Form> form;
    rt::ImageArray *cells, *sources;
    int first;
};

template <typename Form> Game loaded(std::unique_ptr<Form> game, int first)
{
    rt::ImageArray *cells = &game->Image3, *sources = &game->Image2;
    return {std::move(game), cells, sources, first};
}

Game loadGame(bool cards)
{
    support::useSeed(1);
    if (!cards)
        return loaded(support::seededMineGame(1), 1);
    auto game = std::make_unique<pexeso::Form1>();
    game->Load();
    return loaded(std::move(game), 0);
}

QImage render(QWidget *window, int scale)
{
    QImage image(window->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    window->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Whether the cursor over a cell stands out all round it, every pixel along
// each edge of the cell or the one just inside it, the corners aside, and
// changes nothing else on the field. A change anyone sees: one of the colour
// channels moves by half its range.
bool cursorAround(const QImage &with, const QImage &without, const QRect &cell, const QRect &field)
{
    const auto seen = [&](QPoint at) {
        const QRgb a = with.pixel(at), b = without.pixel(at);
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))})
            >= 128;
    };
    for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x) {
            const QPoint at(x, y), inward(x == cell.left() ? 1 : x == cell.right() ? -1 : 0,
                                          y == cell.top() ? 1 : y == cell.bottom() ? -1 : 0);
            const bool edge = (inward.x() == 0) != (inward.y() == 0); // the corners aside
            if (!cell.contains(at) ? with.pixel(at) != without.pixel(at) : edge && !seen(at) && !seen(at + inward))
                return false;
        }
    return true;
}

} // namespace

class StartTest : public QObject
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
        pexeso::Form1 form;
        form.Load();
        QCOMPARE(script.used(), firstDeal);
        for (int k = 0; k < 36; ++k)
            QCOMPARE(form.cardof(first[k]).value(), 2 + k / 2);
        form.novahra();
        QCOMPARE(script.used(), draws.size());
        for (int k = 0; k < 36; ++k)
            QCOMPARE(form.cardof(second[k]).value(), 2 + k / 2);
    }

    // Only the start-up seeds the random source: later deals draw on. The mine
    // game's window is sized around the field; its clock ticks each second.
    void startUp()
    {
        int seedings = 0;
        rt::setRandomSource(std::make_unique<support::SeededRandom>(777, &seedings));
        pexeso::Form1 cards;
        miny::Form1 mines;
        QCOMPARE(seedings, 0);
        cards.Load();
        mines.Load();
        cards.Form_KeyDown(78, 0);
        mines.novahra();
        QCOMPARE(seedings, 2);
        QCOMPARE(QSizeF(mines.Width(), mines.Height()), QSizeF(4590, 5340));
        QCOMPARE(mines.Timer1.Interval(), 1000);
        QCOMPARE(support::brokenInvariant(cards) + support::brokenInvariant(mines), QString());
    }

    // 1 mina, 2 to 4 miny, otherwise min; above 20 the last digit decides,
    // except that 20, 30, 40 and 50 take "min".
    void counterCaption_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("caption");
        for (int m = 0; m <= 54; ++m) {
            const int last = m > 20 ? m % 10 : m;
            const QString word = last == 1 ? "mina" : last >= 2 && last <= 4 ? "miny" : "min";
            QTest::addRow("%d", m) << m << QString("%1 %2").arg(m).arg(word);
        }
    }
    void counterCaption()
    {
        QFETCH(int, value);
        QFETCH(QString, caption);
        auto form = support::seededMineGame(1);
        form->minesleft = value;
        form->showminesleft();
        QCOMPARE(QString::fromStdString(form->Label1.Caption()), caption);
    }

    // Each window as it starts: a fixed one with a title, a minimize button, no
    // maximize button and an icon. What a screen reader finds: its controls in
    // the order in which they lie, the field or the cards as a grid of cells in
    // reading order, each where it lies on screen, named by its picture and
    // described by its column and row, and what it says of each picture of
    // the set and of the face button's.
    void accessibleWindow_data()
    {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<QStringList>("outline");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("miny") << false
            << QStringList{"frame 'Miny'", "label '54 miny'", "check box '54 miny'", "push button 'Nová hra' (hra běží)",
                           "label '0s'", "grouping 'Minové pole' of 400 cells", "notification ''"}
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "zakryté", "prázdné", "vlajka", "otazník", "mina",
                           "zasažená mina", "chybná vlajka", "hra běží", "hra běží", "prohra!", "výhra!", "hra běží",
                           "hra běží"};
        QTest::newRow("pexeso") << true
            << QStringList{"frame 'Pexeso'", "grouping 'Stůl' of 36 cells", "status bar 'N...nová hra'", "notification ''"}
            << QStringList{"prázdné místo", "rubem nahoru", "komár 1", "sladkosti 2", "medvídek 3", "špagety 4",
                           "sněhulák 5", "motýl 6", "žába 7", "pavouk 8", "ryba 9", "větvička 10", "bubny 11",
                           "masožravka 12", "houba 13", "židle a stůl 14", "hodiny 15", "srdce 16", "žárovka 17",
                           "strom 18"};
    }
    void accessibleWindow()
    {
        QFETCH(bool, cards);
        QFETCH(QStringList, outline);
        QFETCH(QStringList, pictures);
        support::ScreenReader reader;
        const Game game = loadGame(cards);
        QStringList spoken;
        for (rt::ImageArray *sources : {game.sources, cards ? nullptr : &static_cast<miny::Form1 &>(*game.form).Image1})
            for (int k = 0; sources && k <= sources->upperBound(); ++k) {
                const rt::Spoken &s = (*sources)(k).picture().spoken();
                spoken << QString::fromStdString(std::string(s.name)) + (s.announced ? "!" : "");
            }
        QCOMPARE(spoken, pictures);
        QWidget *window = game.form->window();
        QVERIFY(support::showAndWait(*game.form));
        QCOMPARE(window->windowTitle(), QString(cards ? "Pexeso" : "Miny"));
        QCOMPARE(window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowFlags(Qt::WindowMinimizeButtonHint));
        QVERIFY(window->minimumSize() == window->maximumSize() && !window->windowIcon().isNull());
        QCOMPARE(support::ScreenReader::outline(window), outline);
        QAccessibleInterface *grid = support::ScreenReader::grid(window);
        const int columns = cards ? 6 : 20;
        QVERIFY(!grid->child(grid->childCount()) && !grid->child(-1));
        for (int row = 0; row < columns; ++row)
            for (int column = 0; column < columns; ++column) {
                const QRect area = (*game.cells)(cards ? column * 6 + row : row * 20 + column + 1).pixelRect();
                QAccessibleInterface *cell = grid->child(row * columns + column);
                QCOMPARE(grid->indexOfChild(cell), row * columns + column);
                QCOMPARE(cell->rect(), QRect(window->mapToGlobal(area.topLeft()), area.size()));
                QCOMPARE(cell->text(QAccessible::Name), pictures[cards ? 1 : 8]);
                QCOMPARE(cell->text(QAccessible::Description), QString("sloupec %1, řádek %2").arg(column + 1).arg(row + 1));
                const QPoint middle = cell->rect().center();
                QCOMPARE(support::ScreenReader::of(window)->childAt(middle.x(), middle.y())->childAt(middle.x(), middle.y()),
                         cell);
            }
    }

    // The keyboard's cursor over every picture a cell or a card place can
    // show, on the first cell, where an arrow key shows it: it stands out all
    // round, it stays inside the cell, and at twice the scale it is the same
    // drawing with every pixel doubled.
    void cursorVisible_data()
    {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<int>("picture");
        for (int k = 0; k <= 14; ++k)
            QTest::addRow("miny, Image2(%d)", k) << false << k;
        for (int k = 0; k <= 19; ++k)
            QTest::addRow("pexeso, Image2(%d)", k) << true << k;
    }
    void cursorVisible()
    {
        QFETCH(bool, cards);
        QFETCH(int, picture);
        const Game game = loadGame(cards);
        rt::Image &cell = (*game.cells)(game.first);
        cell.setPicture((*game.sources)(picture).picture());
        QWidget *window = game.form->window();
        QVERIFY(support::showAndWait(*game.form));
        const QImage without = render(window, 1);
        support::keyClick(window, Qt::Key_Down);
        const QImage with = render(window, 1);
        const QRect area = cell.pixelRect();
        QVERIFY(cursorAround(with, without, area, game.cells->keyboardGrid()->geometry()));
        const QRect around = area.adjusted(-2, -2, 2, 2) & window->rect();
        const QRect doubled(around.topLeft() * 2, around.size() * 2);
        QCOMPARE(render(window, 2).copy(doubled), with.copy(around).scaled(doubled.size()));
    }

    // Before the deal, place 0 shows its own copy of the back; then there are
    // 36 places and 90 tiles, and the card table has grown only if the grid's
    // bottom (6480 twips) passed its height.
    void pexesoLoad_data()
    {
        for (const char *column : {"heightBefore", "statusBarHeight", "heightAfter"})
            QTest::addColumn<float>(column);
        QTest::newRow("as designed") << 5985.f << 225.f << 7155.f;
        QTest::newRow("taller status bar") << 5985.f << 300.f << 7230.f;
        QTest::newRow("exactly the grid's bottom") << 6480.f << 225.f << 6480.f;
    }
    void pexesoLoad()
    {
        QFETCH(float, heightBefore);
        QFETCH(float, statusBarHeight);
        QFETCH(float, heightAfter);
        support::useSeed(1);
        pexeso::Form1 form;
        QVERIFY(form.Image3(0).picture().Handle() != form.Image2(1).picture().Handle());
        QCOMPARE(form.Image3(0).picture().image(), form.Image2(1).picture().image());
        form.StatusBar1.setHeight(statusBarHeight);
        form.setHeight(heightBefore);
        form.Load();
        QCOMPARE(form.Height(), heightAfter);
        QCOMPARE(form.Image3.upperBound(), 35);
        QCOMPARE(form.Image1.upperBound(), 90);
    }
};

QTEST_MAIN(StartTest)
#include "tst_start.moc"
