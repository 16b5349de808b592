#pragma once

#include "firstpaint.h"
#include "toolkit.h"

// Builds a game's window as its program does, shows it and ends after the
// first paint.
template <typename GameForm>
int runUntilFirstPaint(int argc, char *argv[])
{
    rt::Application app(argc, argv);
    GameForm form;
    form.Load();
    form.Show();
    quitAfterFirstPaint(form.window());
    return app.exec();
}
