// Plays a million random events in each game, checking every rule of the game
// after each event, and reports the rate and the violations found.
#include "minyfield.h"
#include "pexesoplayer.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

int report(const char *game, const support::PlayReport &result)
{
    std::printf("%-7s %9ld events  %8.0f events/s  %ld violations\n", game, result.events,
                result.events / result.seconds, result.violations);
    if (result.violations)
        std::printf("        first: %s\n", qPrintable(result.firstViolation));
    std::fflush(stdout);
    return result.violations ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const long events = argc > 1 ? std::atol(argv[1]) : 1000000;
    support::MessageRecorder messages;
    int failures = 0;

    auto mines = support::seededMineGame(11);
    support::showAndWait(mines->window());
    support::MinyPlayer minyPlayer(*mines);
    failures += report("miny", support::playRandomly(minyPlayer, events, 11, false));
    std::printf("        %d time-outs\n", minyPlayer.timeOuts());

    support::useSeed(12);
    pexeso::Form1 cards;
    cards.Load();
    support::showAndWait(cards.window());
    support::PexesoPlayer pexesoPlayer(cards, messages, true);
    failures += report("pexeso", support::playRandomly(pexesoPlayer, events, 12, false));
    std::printf("        %d wins\n", pexesoPlayer.wins());
    return failures ? 1 : 0;
}
