#include "randomplay.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace support {

PlayReport playRandomly(RandomPlayer &player, long events, quint32 seed, bool stopAtFirstViolation)
{
    QRandomGenerator chance(seed);
    PlayReport report;
    QElapsedTimer clock;
    clock.start();
    for (long event = 0; event < events; ++event) {
        player.playOneEvent(chance);
        ++report.events;
        const QString broken = player.brokenInvariant();
        if (broken.isEmpty())
            continue;
        if (++report.violations == 1)
            report.firstViolation = QString("event %1: %2").arg(event).arg(broken);
        if (stopAtFirstViolation)
            break;
    }
    report.seconds = clock.nsecsElapsed() / 1e9;
    return report;
}

} // namespace support
