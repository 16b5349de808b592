#pragma once

#include <string>

namespace rt {

// A run-time error shows its message in a message box, then ends the program
// with the error number as its exit status.
[[noreturn]] void raiseRuntimeError(int number, const std::string &description);

[[noreturn]] void overflowError();
[[noreturn]] void subscriptError();
[[noreturn]] void divisionByZeroError();

enum RuntimeErrorNumber {
    ErrOverflow = 6,
    ErrSubscriptOutOfRange = 9,
    ErrDivisionByZero = 11,
    ErrControlArrayElementMissing = 340,
    ErrControlArrayElementExists = 360,
};

} // namespace rt
