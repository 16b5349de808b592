// The window as designed: every control with the properties it starts with,
// and the pictures it holds before the window loads.
#include "form1.h"

#include "keys.h"
#include "picture.h"

#include <array>

namespace miny {

namespace {

const rt::Color olive = rt::RGB(128, 128, 0);
const rt::Color green = rt::RGB(0, 128, 0);
const rt::Color lightYellow = rt::RGB(255, 255, 128);


struct Asset
{
    const char *file;
    rt::Spoken spoken;
};

// Each with what a screen reader says of it: a cell by what it shows, and
// how many cells a key uncovered; the face by the state of play, the end of
// a game as soon as it comes.
const std::array<Asset, 15> cellPictures = {{
    {"digit1", {"1"}}, {"digit2", {"2"}}, {"digit3", {"3"}}, {"digit4", {"4"}},
    {"digit5", {"5"}}, {"digit6", {"6"}}, {"digit7", {"7"}}, {"digit8", {"8"}},
    {"covered", {"zakryté", false, "odkrytých polí"}}, {"uncovered", {"prázdné"}}, {"flag", {"vlajka"}}, {"question", {"otazník", false, "odkrytých polí"}},
    {"mine", {"mina"}}, {"minehit", {"zasažená mina"}}, {"wrongflag", {"chybná vlajka"}},
}};

const std::array<Asset, 5> facePictures = {{
    {"face_normal", {"hra běží"}}, {"face_pressing", {"hra běží"}}, {"face_dead", {"prohra", true}},
    {"face_cool", {"výhra", true}}, {"face_sunken", {"hra běží"}},
}};

rt::Picture asset(const std::string &name, rt::Spoken spoken = {})
{
    return rt::LoadPicture(":/miny/" + name + ".png", spoken);
}

rt::Picture asset(const Asset &picture)
{
    return asset(picture.file, picture.spoken);
}

} // namespace

void Form1::declareControls()
{
    setCaption("Miny");
    setIcon(asset("icon"));
    setWidth(2370 + rt::Form::frameWidth);
    setHeight(2175 + rt::Form::frameHeight);

    Check1.Move(120, 1920, 855, 255);
    Check1.setCaption("54 miny");
    Check1.setValue(1);
    Check1.setTabStop(true);
    Check1.setSpokenClick("Nová hra");

    Timer1.setInterval(1000);
    Timer1.setEnabled(true);

    rt::Image &face = Image1.addDesignElement(5);
    face.Move(1920, 1440, 375, 375);
    face.setPicture(asset("placeholder_face"));
    face.setAccessibleName("Nová hra");

    Shape2.Move(0, 1440, 975, 375);
    Shape2.setBorderColor(olive);

    for (rt::Label *label : {&Label2, &Label1}) {
        label->setBackColor(green);
        label->setForeColor(lightYellow);
    }
    Label2.Move(120, 1560, 735, 195);
    Label2.setCaption("Label2");

    Shape1.Move(0, 960, 975, 375);
    Shape1.setBorderColor(olive);

    Label1.Move(120, 1080, 720, 195);
    Label1.setCaption("Label1");

    rt::Image &cellTemplate = Image3.addDesignElement(0);
    cellTemplate.Move(1920, 720, 225, 225);
    cellTemplate.setPicture(asset("placeholder_cell"));

    for (int k = 14; k >= 0; --k) {
        rt::Image &image = Image2.addDesignElement(k);
        image.Move((k % 9) * 240, 480 + (k / 9) * 240, 225, 225);
        image.setPicture(asset(cellPictures[k]));
    }
    for (int k = 4; k >= 0; --k) {
        rt::Image &image = Image1.addDesignElement(k);
        image.Move(k * 480, 0, 375, 375);
        image.setPicture(asset(facePictures[k]));
    }

    // From the keyboard: the cells lie row by row after the hidden template;
    // Space and Return press a cell with the left button, F with the right;
    // N and F2 press the face button.
    Image3.playByKeyboard("Minové pole", 20, 20, [](int col, int row) { return row * 20 + col + 1; },
                          {{rt::KeySpace, rt::LeftButton}, {rt::KeyReturn, rt::LeftButton}, {rt::KeyF, rt::RightButton}});
    face.setAccessKeys({rt::KeyN, rt::KeyF2});
    // S reads the counter and the clock to a screen reader.
    setSpokenKey(rt::KeyS, "");
}

void Form1::connectEvents()
{
    Image3.onMouseDown([this](Integer index, Integer button, Integer shift, float x, float y) {
        Image3_MouseDown(index, button, shift, x, y);
    });
    Image3.onMouseUp([this](Integer index, Integer button, Integer shift, float x, float y) {
        Image3_MouseUp(index, button, shift, x, y);
    });
    Image1.onMouseDown([this](Integer index, Integer button, Integer shift, float x, float y) {
        Image1_MouseDown(index, button, shift, x, y);
    });
    Image1.onMouseUp([this](Integer index, Integer button, Integer shift, float x, float y) {
        Image1_MouseUp(index, button, shift, x, y);
    });
    Check1.onClick([this] { Check1_Click(); });
    Timer1.onTimer([this] { Timer1_Timer(); });
}

Form1::Form1()
{
    declareControls();
    connectEvents();
}

} // namespace miny
