#pragma once

#include "pexeso/form1.h"
#include "testsupport.h"

#include <vector>

namespace support {

// Everything a click or a key can change in the memory game.
struct PexesoSnapshot
{
    std::vector<int> cardof, removed;
    std::vector<long> pictures;
    std::vector<int> counters; // pairsleft, turned, firstcard, secondcard
    bool operator==(const PexesoSnapshot &) const = default;
};

PexesoSnapshot snapshot(pexeso::Form1 &form);
std::vector<int> placesOf(pexeso::Form1 &form, int value);
inline int shownSource(pexeso::Form1 &form, int place) { return showing(form.Image2, form.Image3(place), 19); }
// Every rule that must hold between events; an empty text when all hold.
QString brokenInvariant(pexeso::Form1 &form);

// Random clicks on places, the N key with any modifiers and other keys, by a
// player who often remembers where a partner lies, so that games are won.
// Real toolkit events need the window shown.
class PexesoPlayer
{
public:
    PexesoPlayer(pexeso::Form1 &form, const MessageRecorder &messages, bool realEvents)
        : form_(form), messages_(messages), realEvents_(realEvents) {}
    void playOneEvent(QRandomGenerator &chance);
    QString brokenInvariant();
    int wins() const { return wins_; }

private:
    QString checkEvent(const PexesoSnapshot &before, int clicked, bool dealt, std::size_t shownBefore);

    pexeso::Form1 &form_;
    const MessageRecorder &messages_;
    bool realEvents_;
    QString eventProblem_;
    int wins_ = 0, winsThisGame_ = 0;
};

} // namespace support
