#include "form1.h"

#include "messagebox.h"
#include "random.h"

namespace pexeso {

using rt::False;
using rt::True;

// Start-up: the 36 places are laid out down the columns, the background is
// tiled beneath them, the window is made tall enough and the first game dealt.
void Form1::Form_Load()
{
    rt::Randomize();
    for (Integer k = 0; k <= 19; k = k + 1)
        Image2(k).setVisible(false);
    for (Integer n = 1; n <= 35; n = n + 1) {
        Image3.Load(n);
        Image3(n).setVisible(true);
    }

    Integer n = 0;
    for (Integer col = 0; col <= 5; col = col + 1) {
        for (Integer row = 0; row <= 5; row = row + 1) {
            Image3(n).setTop(row * 1080 + 30);
            Image3(n).setLeft(col * 1080 + 30);
            n = n + 1;
        }
    }
    for (Integer place = 0; place <= 35; place = place + 1)
        Image3(place).setVisible(true);

    Integer g = 0;
    for (Integer row = 0; row <= 9; row = row + 1) {
        for (Integer col = 0; col <= 8; col = col + 1) {
            g = g + 1;
            Image1.Load(g);
            Image1(g).setTop(row * 750);
            Image1(g).setLeft(col * 750);
            Image1(g).setVisible(true);
        }
    }

    const float bottom = Image3(35).Height() + Image3(35).Top();
    if (bottom > Height())
        setHeight(StatusBar1.Height() + bottom + 450);
    novahra();
}

// Each card goes to a place drawn among all 36; a taken place is drawn again.
void Form1::novahra()
{
    pairsleft = 18;
    turned = 0;
    firstcard = 0;
    secondcard = 0;
    for (Integer n = 0; n <= 35; n = n + 1) {
        cardof(n) = 20;
        removed(n) = False;
    }
    for (Integer value = 2; value <= 19; value = value + 1) {
        for (Integer copy = 1; copy <= 2; copy = copy + 1) {
            Byte place;
            do {
                place = rt::Int(rt::Rnd() * 36);
            } while (cardof(place) != 20);
            cardof(place) = value;
            Image3(place).setPicture(Image2(1).picture());
        }
    }
}

void Form1::Image3_Click(Integer Index)
{
    const Integer i = Index;
    if (removed(i) == True)
        return;
    if (turned == 2) {
        over();
        return;
    }
    if (turned == 1 && i == firstcard)
        return;
    turned = turned + 1;
    if (turned == 1) {
        firstcard = i;
        Image3(i).setPicture(Image2(cardof(i)).picture());
    }
    if (turned == 2) {
        secondcard = i;
        Image3(i).setPicture(Image2(cardof(i)).picture());
        // The last pair lies face up while the message is on screen.
        if (pairsleft == 1)
            rt::MsgBox("Blahopřeji k výhře!", "Pexeso");
    }
}

// Resolves a turn with two cards up: a pair leaves the table, two different
// cards are turned face down again.
void Form1::over()
{
    if (cardof(firstcard) == cardof(secondcard)) {
        Image3(firstcard).setPicture(Image2(0).picture());
        Image3(secondcard).setPicture(Image2(0).picture());
        pairsleft = pairsleft - 1;
        turned = 0;
        removed(firstcard) = True;
        removed(secondcard) = True;
    } else {
        Image3(firstcard).setPicture(Image2(1).picture());
        Image3(secondcard).setPicture(Image2(1).picture());
        turned = 0;
    }
}

// N deals a new game whatever modifiers are held.
void Form1::Form_KeyDown(Integer KeyCode, Integer)
{
    if (KeyCode == 78)
        novahra();
}

} // namespace pexeso
