#pragma once

#include "miny/form1.h"
#include "testsupport.h"

namespace support {

using Cell = std::pair<int, int>; // column, row

// A loaded mine game of 54 mines dealt from a seeded random source. The
// clock's timer is stopped: tests tick it by hand.
std::unique_ptr<miny::Form1> seededMineGame(std::uint32_t seed);
// Deals a game of exactly these mines (27 or 54) from a scripted random source.
void dealMines(miny::Form1 &form, const std::vector<Cell> &mines);
// The 27 or 54 cells of the top rows, filled row by row from the left.
std::vector<Cell> packedTopLeft(int total);

inline int element(const Cell &cell) { return cell.second * 20 + cell.first + 1; }
// A press and a release of a button on a cell, through the procedures.
inline void press(miny::Form1 &form, const Cell &cell, int button = 1)
{
    form.Image3_MouseDown(element(cell), button, 0, 0, 0);
    form.Image3_MouseUp(element(cell), button, 0, 0, 0);
}
inline int shownElement(miny::Form1 &form, int n) { return showing(form.Image2, form.Image3(n), 14); }
int neighbouringMines(miny::Form1 &form, const Cell &cell);

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
