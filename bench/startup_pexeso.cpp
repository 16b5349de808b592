// The memory game's window as the program builds it, ending after its first paint.
#include "firstpaint.h"
#include "pexeso/form1.h"
#include "toolkit.h"

int main(int argc, char *argv[])
{
    rt::Application app(argc, argv);
    pexeso::Form1 form;
    form.Load();
    form.Show();
    quitAfterFirstPaint(form.window());
    const int status = app.exec();
    printPeakMemory();
    return status;
}
