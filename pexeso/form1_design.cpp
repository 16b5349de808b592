// The window as designed: every control with the properties it starts with,
// and the pictures it holds before the window loads.
#include "form1.h"

#include "keys.h"
#include "picture.h"
#include "style.h"

#include <array>
#include <string>

namespace pexeso {

namespace {

rt::Picture asset(const std::string &name, rt::Spoken spoken = {})
{
    return rt::LoadPicture(":/pexeso/" + name + ".png", spoken);
}

// What a screen reader says of each face: its motif and its number.
const std::array<const char *, 18> faceNames = {
    "komár 1", "sladkosti 2", "medvídek 3", "špagety 4", "sněhulák 5", "motýl 6", "žába 7", "pavouk 8",
    "ryba 9", "větvička 10", "bubny 11", "masožravka 12", "houba 13", "židle a stůl 14", "hodiny 15",
    "srdce 16", "žárovka 17", "strom 18",
};

const char *const faceDown = "rubem nahoru";

// Image2(0) is the empty place, Image2(1) the card back, Image2(2) to
// Image2(19) the faces 1 to 18. A key that empties places took a pair off
// the table; one that turns cards face down turned them back; a face turned
// up beside another is a pair or not.
rt::Picture sourcePicture(int k)
{
    if (k == 0)
        return asset("empty", {"prázdné místo", false, {}, "pár odebrán ze stolu"});
    if (k == 1)
        return asset("back", {faceDown, false, {}, "karty otočeny zpět"});
    const int face = k - 1;
    std::string name = face < 10 ? "face0" : "face";
    name += std::to_string(face);
    return asset(name, {faceNames[std::size_t(face - 1)], false, {}, {}, "pár", "není pár"});
}

} // namespace

void Form1::declareControls()
{
    setCaption("Pexeso");
    setIcon(asset("icon"));
    setWidth(6510 + rt::Form::frameWidth);
    setHeight(5610 + rt::Form::frameHeight);

    StatusBar1.Move(0, 5385, 6510, 225);
    StatusBar1.addPanel("N...nová hra", 1141);
    // The second panel has no text; it takes the rest of the bar beyond the
    // 2-pixel gap between the panels.
    StatusBar1.addPanel("", 6510 - 1141 - 30);

    rt::Image &placeTemplate = Image3.addDesignElement(0);
    placeTemplate.Move(1080, 4320, 1050, 1050);
    placeTemplate.setPicture(asset("place0", {faceDown}));

    for (int k = 19; k >= 0; --k) {
        rt::Image &source = Image2.addDesignElement(k);
        if (k <= 3)
            source.Move(840 + k * 1080, 0, 1050, 1050);
        else
            source.Move(((k - 4) % 5) * 1080, (1 + (k - 4) / 5) * 1080, 1050, 1050);
        source.setPicture(sourcePicture(k));
    }

    rt::Image &tileTemplate = Image1.addDesignElement(0);
    tileTemplate.Move(0, 0, 750, 750);
    tileTemplate.setPicture(asset("tile"));
    // The tiles loaded from it stay in its layer, beneath the cards and the bar.
    tileTemplate.ZOrder(1);

    // From the keyboard: the places are numbered down the columns; Space and
    // Return click the place under the cursor.
    Image3.playByKeyboard("Stůl", 6, 6, [](int col, int row) { return col * 6 + row; },
                          {{rt::KeySpace, rt::LeftButton}, {rt::KeyReturn, rt::LeftButton}});
    setSpokenKey(rt::KeyN, "Nová hra");
}

void Form1::connectEvents()
{
    Image3.onClick([this](Integer index) { Image3_Click(index); });
}

Form1::Form1()
{
    declareControls();
    connectEvents();
}

} // namespace pexeso
