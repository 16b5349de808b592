#pragma once

#include "miny/form1.h"
#include "testsupport.h"

#include <QString>

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace support {

using Cell = std::pair<int, int>; // column, row

// A loaded mine game dealt from a seeded random source, with 54 or 27 mines.
// The clock's timer is stopped: tests tick it by hand.
std::unique_ptr<miny::Form1> seededMineGame(std::uint32_t seed, bool ticked = true);
// Deals a game of exactly these mines (27 or 54) from a scripted random source.
void dealMines(miny::Form1 &form, const std::vector<Cell> &mines);
// The 27 or 54 cells of the top rows, filled row by row from the left.
std::vector<Cell> packedTopLeft(int total);

inline int element(const Cell &cell) { return cell.second * 20 + cell.first + 1; }
int shownElement(miny::Form1 &form, int n); // the Image2 element a cell shows, or -1
int neighbouringMines(miny::Form1 &form, const Cell &cell);
// The cells one left press on a covered, unflagged, mine-free cell uncovers,
// found by a flood fill over the field independent of the game's procedures.
std::set<Cell> expectedOpening(miny::Form1 &form, const Cell &start);

// Every rule that must hold between events; an empty text when all hold.
QString brokenInvariant(miny::Form1 &form);

// Random presses with any button on any cell, the face button, the check box
// and clock ticks, now and then enough of them for a time-out.
class MinyPlayer
{
public:
    explicit MinyPlayer(miny::Form1 &form) : form_(form) {}
    void playOneEvent(QRandomGenerator &chance);
    QString brokenInvariant() { return support::brokenInvariant(form_); }
    int timeOuts() const { return timeOuts_; }

private:
    miny::Form1 &form_;
    int timeOuts_ = 0;
};

} // namespace support
