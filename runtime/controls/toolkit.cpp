#include "toolkit.h"

#include <QApplication>

namespace rt {

void initializeToolkit()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QApplication::setStyle("Fusion");
}

struct Application::Data
{
    QApplication app;
};

void roundDisplayScale()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Application::Application(int &argc, char **argv)
    : data_((roundDisplayScale(), new Data{QApplication(argc, argv)}))
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
