#include "toolkit.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace rt {

namespace {

// The Fusion look, with the narrow gap between a check box and its caption
// that small fixed windows need.
class FormStyle : public QProxyStyle
{
public:
    FormStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing)
            return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void initializeToolkit()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QApplication::setStyle(new FormStyle);
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
