#include "control.h"

#include "form.h"

#include <QWidget>

#include <cmath>

namespace rt {

Control::Control(Form &form, QWidget *widget) : form_(form), widget_(widget)
{
    widget_->setParent(form.window());
    widget_->setFocusPolicy(Qt::NoFocus);
    widget_->show();
}

Control::~Control()
{
    delete widget_;
}

int Control::pixelsFromTwips(float twips)
{
    return static_cast<int>(std::lround(twips / 15.0f));
}

void Control::setVisible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::Move(float left, float top, float width, float height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    place();
}

void Control::ZOrder(int position)
{
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}

void Control::copyPlacementFrom(const Control &other)
{
    Move(other.left_, other.top_, other.width_, other.height_);
}

void Control::setLeftTwips(float twips) { left_ = twips; place(); }
void Control::setTopTwips(float twips) { top_ = twips; place(); }
void Control::setWidthTwips(float twips) { width_ = twips; place(); }
void Control::setHeightTwips(float twips) { height_ = twips; place(); }

void Control::place()
{
    widget_->setGeometry(pixelsFromTwips(left_), pixelsFromTwips(top_),
                         pixelsFromTwips(width_), pixelsFromTwips(height_));
}

} // namespace rt
