#pragma once

#include "control.h"
#include "mouse.h"
#include "picture.h"

#include <memory>

namespace rt {

class ImageWidget;

// Shows one picture at the picture's own size, without stretching, and
// reports mouse presses, releases and clicks.
class Image : public Control
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

    int index() const { return index_; }
    void setHandlers(std::shared_ptr<const Handlers> handlers);

    // Delivered by the toolkit; button, shift and position already translated.
    void raiseMouseDown(int button, int shift, float x, float y);
    void raiseMouseUp(int button, int shift, float x, float y);
    void raiseClick();

    // A run-time copy of this image, the picture included.
    void copyFrom(const Image &other);

private:
    ImageWidget *imageWidget() const;

    int index_;
    Picture picture_;
    std::shared_ptr<const Handlers> handlers_;
};

} // namespace rt
