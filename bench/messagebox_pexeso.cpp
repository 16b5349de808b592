// The memory game's win box, the first box of a run: seventeen pairs are
// taken, one card of the last pair is up, and the player clicks the other.
//   messagebox_pexeso [SECONDS [PICTURE]]   the click comes SECONDS after start-up (1);
//                                           PICTURE, a PNG of the box
#include "boxprobe.h"
#include "pexesoplayer.h"

#include <QTest>
#include <QWidget>

#include <vector>

namespace {

// Takes every pair but the last and turns up the last pair's first card;
// returns the place of its second card.
int playToLastCard(pexeso::Form1 &form)
{
    for (int value = 2; value <= 18; ++value) {
        const std::vector<int> pair = support::placesOf(form, value);
        form.Image3_Click(pair[0]);
        form.Image3_Click(pair[1]);
        form.Image3_Click(pair[0]); // resolves the turn: the pair leaves the table
    }
    const std::vector<int> last = support::placesOf(form, 19);
    form.Image3_Click(last[0]);
    return last[1];
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
