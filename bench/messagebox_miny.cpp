// The mine game's time-out box, the first box of a run: the clock of a
// running game stands at 999 and the 1000th tick arrives.
//   messagebox_miny [SECONDS [PICTURE]]   the tick comes SECONDS after start-up (1);
//                                         PICTURE, a PNG of the box
#include "boxprobe.h"
#include "miny/form1.h"

int main(int argc, char *argv[])
{
    return timeFirstBox<miny::Form1>("miny", argc, argv, [](miny::Form1 &form, BoxProbe &probe) {
        form.seconds = 999;
        form.playing = rt::True;
        probe.start();
        form.Timer1_Timer();
    });
}
