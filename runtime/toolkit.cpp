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

Application::Application(int &argc, char **argv) : data_(new Data{QApplication(argc, argv)})
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
