#pragma once

#include "miny/form1.h"
#include "randomplay.h"

namespace support {

// Random presses with any button on any cell, the face button, the check box
// and clock ticks, now and then enough of them for a time-out.
class MinyPlayer : public RandomPlayer
{
public:
    explicit MinyPlayer(miny::Form1 &form) : form_(form) {}
    void playOneEvent(QRandomGenerator &chance) override;
    QString brokenInvariant() override;

    int timeOuts() const { return timeOuts_; }

private:
    miny::Form1 &form_;
    int timeOuts_ = 0;
};

} // namespace support
