// A running game of miny left alone for a while: the processor time it takes.
#include "miny/form1.h"
#include "toolkit.h"

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    rt::Application app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    miny::Form1 form;
    form.Load();
    form.Show();
    // A middle-button press starts the clock without touching the field.
    form.Image3_MouseDown(1, 4, 0, 0, 0);
    form.Image3_MouseUp(1, 4, 0, 0, 0);
    QTimer::singleShot(seconds * 1000, [] { QCoreApplication::quit(); });
    app.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6
                     + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    std::printf("idle %d s, clock at %s: %.3f s of processor time\n", seconds,
                form.Label2.Caption().c_str(), cpu);
    return 0;
}
