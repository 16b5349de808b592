#include "runtimeerror.h"

#include "messagebox.h"

#include <cstdio>
#include <cstdlib>

namespace rt {

void raiseRuntimeError(int number, const std::string &description)
{
    std::string text = "Chyba za běhu ";
    text += std::to_string(number);
    text += ":\n\n";
    text += description;
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    MsgBox(text, programTitle());
    std::fflush(stdout);
    // The program ends here, from inside whatever event was being handled:
    // no destructor may run on the half-finished state.
    std::_Exit(number);
}

void overflowError() { raiseRuntimeError(ErrOverflow, "Přetečení"); }
void subscriptError() { raiseRuntimeError(ErrSubscriptOutOfRange, "Index mimo rozsah"); }
void divisionByZeroError() { raiseRuntimeError(ErrDivisionByZero, "Dělení nulou"); }

} // namespace rt
