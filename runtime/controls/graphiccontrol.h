#pragma once

#include "control.h"

class QPainter;

namespace rt {

class FormWindow;

// A control without a window of its own (an image, a label, a shape): its
// form paints it in its place and hands it the mouse events that land on it.
// Graphic controls stack in the order they were made, later ones above.
class GraphicControl : public Control
{
public:
    ~GraphicControl() override;

    void ZOrder(int position = 0) override;

    virtual void paint(QPainter &painter) const = 0;
    // Whether mouse events that land on the control are its own; otherwise
    // they go to whatever lies beneath.
    virtual bool takesMouse() const { return false; }
    virtual void mousePressed(int button, int shift, float x, float y);
    virtual void mouseReleased(int button, int shift, float x, float y, bool inside);
    // A press or a release in the middle of the control, as a key or a
    // screen reader makes them.
    void pressInMiddle(int button, int shift);
    void releaseInMiddle(int button, int shift);

    FormWindow *formWindow() const { return window_; }

protected:
    explicit GraphicControl(Form &form);
    void placed(const QRect &was) override;
    // Asks for the control to be painted again.
    void repaint();

private:
    FormWindow *const window_;
};

} // namespace rt
