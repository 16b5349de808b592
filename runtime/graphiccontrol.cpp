#include "graphiccontrol.h"

#include "form.h"
#include "formwindow.h"

#include <QRect>

namespace rt {

GraphicControl::GraphicControl(Form &form) : Control(form)
{
    form.formWindow()->addGraphic(this);
}

GraphicControl::~GraphicControl()
{
    form().formWindow()->removeGraphic(this);
}

void GraphicControl::ZOrder(int position)
{
    form().formWindow()->restack(this, position == 0);
}

void GraphicControl::mousePressed(int, int, float, float) {}
void GraphicControl::mouseReleased(int, int, float, float, bool) {}

void GraphicControl::placed(const QRect &was)
{
    form().formWindow()->update(was);
    repaint();
}

void GraphicControl::repaint()
{
    if (Visible())
        form().formWindow()->update(pixelRect());
}

} // namespace rt
