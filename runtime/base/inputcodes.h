#pragma once

#include <Qt>

namespace rt {

// 1, 2 or 4 for the left, right and middle button; 0 for any other.
int buttonCode(Qt::MouseButton button);
// Shift 1, Ctrl 2, Alt 4.
int shiftCode(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a Qt key, or 0 for a key that has none.
int virtualKeyCode(int qtKey);

} // namespace rt
