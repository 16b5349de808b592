// The memory game's window as the program builds it, ending after its first paint.
#include "pexeso/form1.h"
#include "startupgame.h"

int main(int argc, char *argv[])
{
    return runUntilFirstPaint<pexeso::Form1>(argc, argv);
}
