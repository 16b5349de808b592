#include "windowedcontrol.h"

#include "form.h"

#include <QWidget>

namespace rt {

WindowedControl::WindowedControl(Form &form, QWidget *widget) : Control(form), widget_(widget)
{
    widget_->setParent(form.window());
    widget_->setFocusPolicy(Qt::NoFocus);
    widget_->show();
}

WindowedControl::~WindowedControl()
{
    delete widget_;
}

void WindowedControl::ZOrder(int position)
{
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}

void WindowedControl::placed(const QRect &)
{
    widget_->setGeometry(pixelRect());
    widget_->setVisible(Visible());
}

} // namespace rt
