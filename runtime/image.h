#pragma once

#include "graphiccontrol.h"
#include "mouse.h"
#include "picture.h"

#include <memory>

namespace rt {

// Shows one picture at the picture's own size, without stretching, and
// reports mouse presses, releases and clicks to its control array.
class Image : public GraphicControl
{
public:
    struct Handlers
    {
        MouseHandler mouseDown;
        MouseHandler mouseUp;
        ClickHandler click;
    };

    explicit Image(Form &form, int index = 0);

    const Picture &picture() const { return picture_; }
    void setPicture(const Picture &picture);

    void setHandlers(std::shared_ptr<const Handlers> handlers);

    // Takes the picture, place and size of another image, as a run-time copy.
    void copyFrom(const Image &other);

    void paint(QPainter &painter) const override;
    bool takesMouse() const override { return true; }
    void mousePressed(int button, int shift, float x, float y) override;
    void mouseReleased(int button, int shift, float x, float y, bool inside) override;

private:
    int index_;
    Picture picture_;
    std::shared_ptr<const Handlers> handlers_;
    bool clickPending_ = false;
};

} // namespace rt
