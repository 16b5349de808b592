#include "toolkit.h"

#include <QApplication>
#include <QStyleFactory>

namespace rt {

void initializeToolkit()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QApplication::setStyle(QStyleFactory::create("Fusion"));
}

struct Application::Data
{
    QApplication app;
};

// At fractional display scales the window rounds to the nearest whole
// factor, so every picture pixel stays a whole block of screen pixels.
static void roundScaleFactor()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Application::Application(int &argc, char **argv)
    : data_((roundScaleFactor(), new Data{QApplication(argc, argv)}))
{
    initializeToolkit();
}

Application::~Application()
{
    delete data_;
}

int Application::exec()
{
    return QApplication::exec();
}

} // namespace rt
