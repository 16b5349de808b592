#pragma once

namespace rt {

// Virtual-key codes of the keys that the runtime and the games name.
enum KeyCode {
    KeyTab = 9,
    KeyReturn = 13,
    KeyEscape = 27,
    KeySpace = 32,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyF = 70,
    KeyN = 78,
    KeyF2 = 113,
};

// A key that stands for a mouse button: it presses the control when it goes
// down and releases it when it comes up.
struct KeyPress
{
    int keyCode;
    int button;
};

} // namespace rt
