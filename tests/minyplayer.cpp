#include "minyplayer.h"

#include "minyfield.h"

#include <QRandomGenerator>

#include <array>

namespace support {

void MinyPlayer::playOneEvent(QRandomGenerator &chance)
{
    const int kind = chance.bounded(1000);
    if (kind < 800) {
        const int n = 1 + chance.bounded(400);
        const int button = std::array{1, 1, 1, 2, 2, 4}[chance.bounded(6)];
        form_.Image3_MouseDown(n, button, 0, 0, 0);
        form_.Image3_MouseUp(n, button, 0, 0, 0);
    } else if (kind < 820) {
        form_.Image1_MouseDown(5, 1 << chance.bounded(3), 0, 0, 0);
        form_.Image1_MouseUp(5, 1, 0, 0, 0);
    } else if (kind < 830) {
        form_.Check1.setValue(1 - form_.Check1.Value());
        form_.Check1_Click();
    } else if (kind < 831) {
        const bool running = form_.playing == -1;
        for (int tick = 0; tick < 1000; ++tick)
            form_.Timer1_Timer();
        timeOuts_ += running && form_.finished == -1 && form_.seconds > 999;
    } else {
        for (int ticks = chance.bounded(20); ticks > 0; --ticks)
            form_.Timer1_Timer();
    }
}

QString MinyPlayer::brokenInvariant()
{
    return support::brokenInvariant(form_);
}

} // namespace support
