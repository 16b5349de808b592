#pragma once

#include "miny/form1.h"

#include <QString>

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace support {

using Cell = std::pair<int, int>; // column, row

// A loaded mine game whose current game has exactly these mines (27 or 54),
// dealt by the game itself from a scripted random source. The clock's timer
// is stopped: tests tick it by hand.
std::unique_ptr<miny::Form1> mineGame(const std::vector<Cell> &mines);
void dealMines(miny::Form1 &form, const std::vector<Cell> &mines);
// A loaded mine game dealt from a seeded random source, with 54 or 27 mines.
std::unique_ptr<miny::Form1> seededMineGame(std::uint32_t seed, bool ticked = true);
// Pads the mines to a total, filling from the bottom-right corner backwards.
std::vector<Cell> paddedTo(std::vector<Cell> mines, int total);
// The 27 or 54 cells of the top rows, filled row by row from the left.
std::vector<Cell> packedTopLeft(int total);

inline int element(const Cell &cell) { return cell.second * 20 + cell.first + 1; }
int shownElement(miny::Form1 &form, int n); // the Image2 element a cell shows, or -1
int faceShown(miny::Form1 &form);           // the Image1 element the face shows, or -1
int neighbouringMines(miny::Form1 &form, const Cell &cell);
std::set<Cell> uncovered(miny::Form1 &form);

// A press and release through the procedures.
void press(miny::Form1 &form, const Cell &cell, int button = 1);

// The cells one left press on a covered, unflagged, mine-free cell uncovers,
// found by a flood fill over the field independent of the game's procedures.
std::set<Cell> expectedOpening(miny::Form1 &form, const Cell &start);

// Every rule that must hold between events; an empty text when all hold.
QString brokenInvariant(miny::Form1 &form);

} // namespace support
