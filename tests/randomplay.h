#pragma once

#include <QString>

class QRandomGenerator;

namespace support {

// Plays one game with random events; the harness checks its rules after each.
class RandomPlayer
{
public:
    virtual ~RandomPlayer() = default;
    virtual void playOneEvent(QRandomGenerator &chance) = 0;
    // An empty text while every rule of the game holds.
    virtual QString brokenInvariant() = 0;
};

struct PlayReport
{
    long events = 0;
    long violations = 0;
    double seconds = 0;
    QString firstViolation;
};

PlayReport playRandomly(RandomPlayer &player, long events, quint32 seed,
                        bool stopAtFirstViolation = true);

} // namespace support
