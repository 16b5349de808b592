#pragma once

#include "firstpaint.h"
#include "toolkit.h"

// Builds a game's window as its program does, shows it and ends after the
// first paint, printing the peak memory.
template <typename GameForm>
int runUntilFirstPaint(int argc, char *argv[])
{
    rt::Application app(argc, argv);
    GameForm form;
    form.Load();
    form.Show();
    quitAfterFirstPaint(form.window());
    const int status = app.exec();
    printPeakMemory();
    return status;
}
