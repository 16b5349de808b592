// The keyboard's cursor over every picture a cell or a card place can show.
#include "minyfield.h"
#include "pexesoplayer.h"

#include "keyboardgrid.h"

#include <QTest>
#include <QWidget>

#include <memory>

namespace {

QImage render(QWidget *window, int scale)
{
    QImage image(window->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    window->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// A change anyone sees: one of the colour channels moves by half its range.
bool standsOut(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))})
        >= 128;
}

// Whether every pixel along each edge of the cell, or the one just inside
// it, stands out from what lies beneath, the corners aside.
bool allRound(const QImage &with, const QImage &without, const QRect &cell)
{
    const auto either = [&](QPoint at, QPoint inward) {
        return standsOut(with.pixel(at), without.pixel(at)) || standsOut(with.pixel(at + inward), without.pixel(at + inward));
    };
    for (int x = cell.left() + 1; x < cell.right(); ++x)
        if (!either({x, cell.top()}, {0, 1}) || !either({x, cell.bottom()}, {0, -1}))
            return false;
    for (int y = cell.top() + 1; y < cell.bottom(); ++y)
        if (!either({cell.left(), y}, {1, 0}) || !either({cell.right(), y}, {-1, 0}))
            return false;
    return true;
}

// Nothing else on the field changed.
bool onlyInside(const QImage &with, const QImage &without, const QRect &cell, const QRect &field)
{
    for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x)
            if (!cell.contains(x, y) && with.pixel(x, y) != without.pixel(x, y))
                return false;
    return true;
}

} // namespace

class CursorTest : public QObject
{
    Q_OBJECT

private slots:
    void visible_data()
    {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<int>("picture");
        for (int k = 0; k <= 14; ++k)
            QTest::addRow("miny, Image2(%d)", k) << false << k;
        for (int k = 0; k <= 19; ++k)
            QTest::addRow("pexeso, Image2(%d)", k) << true << k;
    }

    // On the first cell, which an arrow key shows it on: it stands out all
    // round, it stays inside the cell, and at twice the scale it is the same
    // drawing with every pixel doubled.
    void visible()
    {
        QFETCH(bool, cards);
        QFETCH(int, picture);
        support::useSeed(1);
        std::unique_ptr<rt::Form> form;
        rt::ImageArray *cells = nullptr;
        rt::Image *cell = nullptr;
        if (cards) {
            auto game = std::make_unique<pexeso::Form1>();
            game->Load();
            cells = &game->Image3;
            cell = &game->Image3(0);
            cell->setPicture(game->Image2(picture).picture());
            form = std::move(game);
        } else {
            auto game = support::seededMineGame(1);
            cells = &game->Image3;
            cell = &game->Image3(1);
            cell->setPicture(game->Image2(picture).picture());
            form = std::move(game);
        }
        form->Show();
        QVERIFY(QTest::qWaitForWindowActive(form->window()));
        const QImage without = render(form->window(), 1);
        support::keyClick(form->window(), Qt::Key_Down);
        const QImage with = render(form->window(), 1);
        const QRect area = cell->pixelRect();
        QVERIFY(allRound(with, without, area));
        QVERIFY(onlyInside(with, without, area, cells->keyboardGrid()->geometry()));
        const QRect around = area.adjusted(-2, -2, 2, 2) & form->window()->rect();
        const QRect doubled(around.topLeft() * 2, around.size() * 2);
        QCOMPARE(render(form->window(), 2).copy(doubled), with.copy(around).scaled(doubled.size()));
    }
};

QTEST_MAIN(CursorTest)
#include "tst_cursor.moc"
