#include "control.h"

namespace rt {

Control::Control(Form &form) : form_(form) {}

Control::~Control() = default;

// To the nearest pixel, halves away from zero. Adding the half in double
// precision is exact for every float of this range.
int Control::pixelsFromTwips(float twips)
{
    constexpr double limit = 1 << 30;
    const double pixels = qBound(-limit, double(twips / 15.0f), limit);
    return pixels < 0 ? -static_cast<int>(0.5 - pixels) : static_cast<int>(pixels + 0.5);
}

void Control::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    placed(pixelRect_);
}

void Control::Move(float left, float top, float width, float height)
{
    const QRect was = pixelRect_;
    // Most moves change one coordinate: the others keep their pixels.
    const auto pixels = [](float twips, float previous, int previousPixels) {
        return twips == previous ? previousPixels : pixelsFromTwips(twips);
    };
    pixelRect_ = QRect(pixels(left, left_, was.x()), pixels(top, top_, was.y()),
                       pixels(width, width_, was.width()), pixels(height, height_, was.height()));
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    placed(was);
}

void Control::copyPlacement(const Control &other)
{
    const QRect was = pixelRect_;
    left_ = other.left_;
    top_ = other.top_;
    width_ = other.width_;
    height_ = other.height_;
    pixelRect_ = other.pixelRect_;
    placed(was);
}

} // namespace rt
