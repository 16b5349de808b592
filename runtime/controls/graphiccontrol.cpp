#include "graphiccontrol.h"

#include "controlobserver.h"
#include "form.h"
#include "formwindow.h"

#include <QRect>

namespace rt {

GraphicControl::GraphicControl(Form &form) : Control(form), window_(form.formWindow())
{
    window_->addGraphic(this);
}

GraphicControl::~GraphicControl()
{
    window_->removeGraphic(this);
    ControlObserver::tell(&ControlObserver::controlGone, *this);
}

void GraphicControl::ZOrder(int position)
{
    window_->restack(this, position == 0);
}

void GraphicControl::mousePressed(int, int, float, float) {}
void GraphicControl::mouseReleased(int, int, float, float, bool) {}

void GraphicControl::pressInMiddle(int button, int shift)
{
    mousePressed(button, shift, Width() / 2, Height() / 2);
}

void GraphicControl::releaseInMiddle(int button, int shift)
{
    mouseReleased(button, shift, Width() / 2, Height() / 2, true);
}

void GraphicControl::placed(const QRect &was)
{
    window_->requestPaint(was);
    repaint();
}

void GraphicControl::repaint()
{
    if (Visible())
        window_->requestPaint(pixelRect());
}

} // namespace rt
