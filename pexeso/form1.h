#pragma once

#include "array.h"
#include "checked.h"
#include "form.h"
#include "imagearray.h"
#include "statusbar.h"

namespace pexeso {

using rt::Byte;
using rt::Integer;

// The memory game's window: 36 cards, 18 pairs, face down on a 6 x 6 table
// over a tiled background, with a status bar naming the new-game key.
class Form1 : public rt::Form
{
public:
    Form1();

    // Controls, in the order the window declares them.
    rt::StatusBar StatusBar1{*this};
    rt::ImageArray Image3{*this};
    rt::ImageArray Image2{*this};
    rt::ImageArray Image1{*this};

    // Window-level variables.
    rt::Array<Byte, 0, 35> cardof;
    rt::Array<Integer, 0, 35> removed;
    Byte pairsleft;
    Byte turned;
    Byte firstcard;
    Byte secondcard;

    // Events.
    void Form_Load() override;
    void Image3_Click(Integer Index);
    void Form_KeyDown(Integer KeyCode, Integer Shift) override;

    // Procedures.
    void novahra();
    void over();

private:
    void declareControls();
    void connectEvents();
};

} // namespace pexeso
