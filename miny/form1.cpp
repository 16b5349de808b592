#include "form1.h"

#include "messagebox.h"
#include "random.h"

namespace miny {

using rt::CStr;
using rt::False;
using rt::IntDiv;
using rt::Long;
using rt::True;

// Start-up: the field is 20 x 20, the window is sized around it, the cells
// are created and the first game is dealt.
void Form1::Form_Load()
{
    rt::Randomize();
    lastcol = 19;
    lastrow = 19;
    seconds = 0;
    playing = False;
    upravokno();
    vytvorpole();
}

void Form1::upravokno()
{
    setWidth((lastcol + 1) * 225 + 90);
    setHeight((lastrow + 1) * 225 + 840);
    Image1(5).setTop(45);
    // Centred on the window's outer width, halves rounded down.
    Image1(5).setLeft(IntDiv(Long(Width()), 2) - IntDiv(Long(Image1(0).Width()), 2));
    Image1(5).setPicture(Image1(0).picture());
    for (int k = 0; k <= 4; ++k)
        Image1(k).setVisible(false);
    for (int k = 0; k <= 14; ++k)
        Image2(k).setVisible(false);
    showminesleft();
    Label1.setTop(180);
    Label1.setLeft(90);
    Shape1.setTop(165);
    Shape1.setLeft(75);
    Shape1.setWidth(Label1.Width() + 15);
    Shape1.setHeight(Label1.Height() + 15);
    showseconds();
    Label2.setTop(180);
    Label2.setLeft(Width() - 180 - Label2.Width());
    Shape2.setTop(165);
    Shape2.setLeft(Label2.Left() - 15);
    Shape2.setWidth(Label2.Width() + 15);
    Shape2.setHeight(Label2.Height() + 15);
    Check1.setTop(150);
    Check1.setLeft(Label1.Width() + Label1.Left() + 150);
}

// One cell control per cell, loaded row by row from the top-left corner.
void Form1::vytvorpole()
{
    Image3(0).setPicture(Image2(8).picture());
    Image3(0).setVisible(false);
    Integer n = 0;
    for (Integer row = 0; row <= lastrow; row = row + 1) {
        for (Integer col = 0; col <= lastcol; col = col + 1) {
            n = n + 1;
            Image3.Load(n);
            Image3(n).setTop(row * 225 + 470);
            Image3(n).setLeft(col * 225);
            Image3(n).setVisible(true);
            imageofcell(col, row) = n;
            colofimage(n) = col;
            rowofimage(n) = row;
        }
    }
    novahra();
}

void Form1::novahra()
{
    seconds = 0;
    if (Check1.Value() == 1)
        minetotal = 54;
    if (Check1.Value() == 0)
        minetotal = 27;
    minesleft = minetotal;
    playing = False;
    finished = False;
    for (Integer row = 0; row <= lastrow; row = row + 1) {
        for (Integer col = 0; col <= lastcol; col = col + 1) {
            content(col, row) = "nic";
            state(col, row) = -1;
        }
    }
    for (Integer n = 1; n <= 400; n = n + 1)
        Image3(n).setPicture(Image2(8).picture());

    // The column is drawn before the row; a cell drawn twice is drawn again.
    Integer remaining = minetotal;
    do {
        const Byte c = rt::Int(rt::Rnd() * (lastcol + 1));
        const Byte r = rt::Int(rt::Rnd() * (lastrow + 1));
        if (content(c, r) == "nic") {
            content(c, r) = "mina";
            remaining = remaining - 1;
        }
    } while (remaining != 0);

    showminesleft();
    showseconds();
}

// The counter follows the Czech plural: 1 mina, 2 to 4 miny, 5 and more min;
// above 20 only the last digit decides, and 20, 30, 40 and 50 take "min".
void Form1::showminesleft()
{
    const Byte m = minesleft;
    std::string caption = CStr(m) + " min";
    Byte k = m;
    if (m >= 21 && m <= 29)
        k = m - 20;
    if (m >= 31 && m <= 39)
        k = m - 30;
    if (m >= 41 && m <= 49)
        k = m - 40;
    if (m >= 51)
        k = m - 50;
    if (k == 1)
        caption += "a";
    if (k >= 2 && k <= 4)
        caption += "y";
    Label1.setCaption(caption);
}

void Form1::showseconds()
{
    Label2.setCaption(CStr(seconds) + "s");
}

bool Form1::cellshows(Integer n, int element)
{
    return Image3(n).picture().Handle() == Image2(element).picture().Handle();
}

void Form1::Image3_MouseDown(Integer Index, Integer Button, Integer, float, float)
{
    // Read before the press can start the game: the starting press keeps the smile.
    if (playing == True)
        Image1(5).setPicture(Image1(1).picture());
    if (finished == False)
        playing = True;
    if (playing == False)
        return;
    const Integer col = colofimage(Index);
    const Integer row = rowofimage(Index);
    if (state(col, row) == 0)
        return;

    if (Button == 1 && !cellshows(Index, 10)) {
        if (content(col, row) == "mina") {
            playing = False;
            finished = True;
            ukazminy();
            Image3(Index).setPicture(Image2(13).picture());
            Image1(5).setPicture(Image1(2).picture());
            return;
        }
        odkryj(col, row);
        if (cellshows(Index, 9)) {
            overvitez();
            odklikej(col, row);
        }
    }

    if (Button == 2) {
        bool changed = false;
        if (cellshows(Index, 10)) {
            Image3(Index).setPicture(Image2(11).picture());
            minesleft = minesleft + 1;
            changed = true;
        }
        if (cellshows(Index, 8) && !changed && minesleft > 0) {
            Image3(Index).setPicture(Image2(10).picture());
            minesleft = minesleft - 1;
            changed = true;
        }
        if (cellshows(Index, 11) && !changed)
            Image3(Index).setPicture(Image2(8).picture());
        showminesleft();
    }
}

void Form1::Image3_MouseUp(Integer, Integer, Integer, float, float)
{
    if (playing == True)
        Image1(5).setPicture(Image1(0).picture());
}

// The up to eight neighbours of a cell, always in the same order: the row
// above from left to right, then left and right, then the row below.
template <typename Visit>
void Form1::forEachNeighbour(Integer c, Integer r, Visit visit)
{
    if (r > 0 && c > 0)
        visit(c - 1, r - 1);
    if (r > 0)
        visit(c, r - 1);
    if (r > 0 && c < lastcol)
        visit(c + 1, r - 1);
    if (c > 0)
        visit(c - 1, r);
    if (c < lastcol)
        visit(c + 1, r);
    if (r < lastrow && c > 0)
        visit(c - 1, r + 1);
    if (r < lastrow)
        visit(c, r + 1);
    if (r < lastrow && c < lastcol)
        visit(c + 1, r + 1);
}

void Form1::odkryj(Integer col, Integer row)
{
    if (state(col, row) == 0)
        return;
    state(col, row) = 0;
    Byte count = 0;
    forEachNeighbour(col, row, [&](Integer c, Integer r) {
        if (content(c, r) == "mina")
            count = count + 1;
    });
    if (count == 0) {
        content(col, row) = "nic";
        Image3(imageofcell(col, row)).setPicture(Image2(9).picture());
    } else {
        content(col, row) = rt::Str(count);
        Image3(imageofcell(col, row)).setPicture(Image2(count - 1).picture());
    }
    overvitez();
}

// Presses every neighbour with the left button, as the player would; the
// presses nest, so an empty area opens depth-first.
void Form1::odklikej(Integer col, Integer row)
{
    overvitez();
    forEachNeighbour(col, row, [&](Integer c, Integer r) {
        Image3_MouseDown(imageofcell(c, r), 1, 1, 1, 1);
    });
}

void Form1::overvitez()
{
    if (playing == False)
        return;
    Integer opened = 0;
    for (Integer row = 0; row <= lastrow; row = row + 1)
        for (Integer col = 0; col <= lastcol; col = col + 1)
            if (state(col, row) == 0)
                opened = opened + 1;
    if (minetotal + opened == (lastrow + 1) * (lastcol + 1)) {
        finished = True;
        playing = False;
        Image1(5).setPicture(Image1(3).picture());
        ukazminy();
    }
}

// Shows every mine that is not flagged and crosses out every wrong flag.
void Form1::ukazminy()
{
    Integer n = 0;
    for (Integer row = 0; row <= 19; row = row + 1) {
        for (Integer col = 0; col <= 19; col = col + 1) {
            n = n + 1;
            if (content(col, row) == "mina" && !cellshows(n, 10))
                Image3(n).setPicture(Image2(12).picture());
            if (cellshows(n, 10) && content(col, row) != "mina")
                Image3(n).setPicture(Image2(14).picture());
        }
    }
}

void Form1::Image1_MouseDown(Integer, Integer, Integer, float, float)
{
    Image1(5).setPicture(Image1(4).picture());
}

void Form1::Image1_MouseUp(Integer, Integer, Integer, float, float)
{
    Image1(5).setPicture(Image1(0).picture());
    novahra();
}

void Form1::Check1_Click()
{
    Image1(5).setPicture(Image1(0).picture());
    novahra();
}

void Form1::Timer1_Timer()
{
    if (playing != True)
        return;
    seconds = seconds + 1;
    showseconds();
    if (seconds > 999) {
        playing = False;
        finished = True;
        ukazminy();
        rt::MsgBox("Prohrál jsi, vypršel ti čas!", "Miny");
    }
}

} // namespace miny
