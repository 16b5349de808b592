#pragma once

#include <functional>

#include "checked.h"

namespace rt {

// Mouse buttons as the games see them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
// Bits of the Shift argument of mouse and key events.
enum ShiftState { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

using MouseHandler = std::function<void(Integer index, Integer button, Integer shift, float x, float y)>;
using ClickHandler = std::function<void(Integer index)>;

} // namespace rt
