// The memory game's win box, the first box of a run: seventeen pairs are
// taken, one card of the last pair is up, and the player clicks the other.
//   messagebox_pexeso [SECONDS [PICTURE]]   the click comes SECONDS after start-up (1);
//                                           PICTURE, a PNG of the box
#include "boxprobe.h"
#include "pexeso/form1.h"

#include <QTest>
#include <QWidget>

#include <utility>

namespace {

// The two places holding the cards of one value.
std::pair<int, int> placesOf(pexeso::Form1 &form, int value)
{
    int first = -1;
    for (int place = 0; place <= 35; ++place) {
        if (form.cardof(place) != value)
            continue;
        if (first < 0)
            first = place;
        else
            return {first, place};
    }
    return {first, first};
}

// Takes every pair but the last and turns up the last pair's first card;
// returns the place of its second card.
int playToLastCard(pexeso::Form1 &form)
{
    for (int value = 2; value <= 18; ++value) {
        const auto [first, second] = placesOf(form, value);
        form.Image3_Click(first);
        form.Image3_Click(second);
        form.Image3_Click(first); // resolves the turn: the pair leaves the table
    }
    const auto [first, second] = placesOf(form, 19);
    form.Image3_Click(first);
    return second;
}

} // namespace

int main(int argc, char *argv[])
{
    return timeFirstBox<pexeso::Form1>("pexeso", argc, argv, [](pexeso::Form1 &form, BoxProbe &probe) {
        const int last = playToLastCard(form);
        const QPoint centre = form.Image3(last).pixelRect().center();
        probe.start();
        QTest::mouseClick(form.window(), Qt::LeftButton, {}, centre);
    });
}
