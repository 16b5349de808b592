#include "control.h"

#include <QRect>

#include <cmath>

namespace rt {

Control::Control(Form &form) : form_(form) {}

Control::~Control() = default;

int Control::pixelsFromTwips(float twips)
{
    return static_cast<int>(std::lround(twips / 15.0f));
}

QRect Control::pixelRect() const
{
    return QRect(pixelsFromTwips(left_), pixelsFromTwips(top_), pixelsFromTwips(width_),
                 pixelsFromTwips(height_));
}

void Control::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    placed(pixelRect());
}

void Control::Move(float left, float top, float width, float height)
{
    const QRect was = pixelRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    placed(was);
}

} // namespace rt
