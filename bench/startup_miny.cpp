// The mine game's window as the program builds it, ending after its first paint.
#include "miny/form1.h"
#include "startupgame.h"

int main(int argc, char *argv[])
{
    return runUntilFirstPaint<miny::Form1>(argc, argv);
}
