#pragma once

#include "array.h"
#include "checkbox.h"
#include "checked.h"
#include "form.h"
#include "imagearray.h"
#include "label.h"
#include "shape.h"
#include "timer.h"

#include <string>

namespace miny {

using rt::Byte;
using rt::Integer;

// The mine game's window: a 20 x 20 field of covered cells, a face button, a
// mine counter, a clock and the switch between 54 and 27 mines.
class Form1 : public rt::Form
{
public:
    Form1();

    // Controls, in the order the window declares them.
    rt::CheckBox Check1{*this};
    rt::Timer Timer1{*this};
    rt::ImageArray Image1{*this};
    rt::Shape Shape2{*this};
    rt::Label Label2{*this};
    rt::Shape Shape1{*this};
    rt::Label Label1{*this};
    rt::ImageArray Image3{*this};
    rt::ImageArray Image2{*this};

    // Window-level variables.
    Byte lastcol;
    Byte lastrow;
    Byte minetotal;
    Byte minesleft;
    Integer seconds;
    rt::Array2<std::string, 0, 19, 0, 19> content;
    rt::Array2<Integer, 0, 19, 0, 19> state;
    Integer playing;
    Integer finished;
    rt::Array2<Integer, 0, 19, 0, 19> imageofcell;
    rt::Array<Integer, 0, 400> colofimage;
    rt::Array<Integer, 0, 400> rowofimage;

    // Events.
    void Form_Load() override;
    void Image3_MouseDown(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Image3_MouseUp(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Image1_MouseDown(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Image1_MouseUp(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Check1_Click();
    void Timer1_Timer();

    // Procedures.
    void novahra();
    void showminesleft();
    void showseconds();
    void upravokno();
    void vytvorpole();
    void odkryj(Integer col, Integer row);
    void odklikej(Integer col, Integer row);
    void overvitez();
    void ukazminy();

    // Whether cell element n shows the picture of Image2(element).
    bool cellshows(Integer n, int element);

private:
    void declareControls();
    void connectEvents();
    template <typename Visit>
    void forEachNeighbour(Integer col, Integer row, Visit visit);
};

} // namespace miny
