#pragma once

namespace rt {

// Sets up the look every window shares. Safe to call more than once.
void initializeToolkit();

// Rounds fractional display scales to the nearest whole factor, so that every
// picture pixel stays a whole block of screen pixels. Call before the
// application object exists.
void roundDisplayScale();

// The program's application object and event loop.
class Application
{
public:
    Application(int &argc, char **argv);
    ~Application();
    int exec();

private:
    struct Data;
    Data *data_;
};

} // namespace rt
