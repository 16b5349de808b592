#pragma once

#include "graphiccontrol.h"
#include "mouse.h"
#include "picture.h"

#include <initializer_list>
#include <memory>
#include <string>

namespace rt {

class KeyboardGrid;

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
        // The grid the family lies in, which follows the presses of its elements.
        KeyboardGrid *grid = nullptr;
    };

    explicit Image(Form &form, int index = 0);

    // The image's index in its control array.
    int index() const { return index_; }

    const Picture &picture() const { return picture_; }
    void setPicture(const Picture &picture);

    void setHandlers(std::shared_ptr<const Handlers> handlers);

    // Keys that press and release the image with the left button, whichever
    // control has the keyboard.
    void setAccessKeys(std::initializer_list<int> keyCodes);
    // A name of its own makes the image a button for screen readers, named for
    // what it does; the picture it shows then tells its state.
    void setAccessibleName(const std::string &name);
    // The keyboard grid the image lies in, if any.
    KeyboardGrid *keyboardGrid() const { return handlers_ ? handlers_->grid : nullptr; }

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
