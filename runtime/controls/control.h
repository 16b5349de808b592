#pragma once

#include "checked.h"

#include <QRect>

namespace rt {

class Form;

// A control on a form. Positions and sizes are twips, kept exactly as set;
// on screen they become whole pixels, 15 twips to a pixel, rounded to the
// nearest.
class Control
{
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    bool Visible() const { return visible_; }

    template <typename V> void setLeft(V twips) { Move(Single(twips), top_, width_, height_); }
    template <typename V> void setTop(V twips) { Move(left_, Single(twips), width_, height_); }
    template <typename V> void setWidth(V twips) { Move(left_, top_, Single(twips), height_); }
    template <typename V> void setHeight(V twips) { Move(left_, top_, width_, Single(twips)); }
    void setVisible(bool visible);
    void Move(float left, float top, float width, float height);
    // 0 brings the control to the front of its layer, 1 sends it to the back.
    virtual void ZOrder(int position = 0) = 0;

    Form &form() const { return form_; }
    // Where the control lies in its window's client area, in pixels.
    const QRect &pixelRect() const { return pixelRect_; }

    static int pixelsFromTwips(float twips);

protected:
    explicit Control(Form &form);
    // Takes the place and size of another control.
    void copyPlacement(const Control &other);
    // The control's place or visibility has changed; was is where it lay.
    virtual void placed(const QRect &was) = 0;

private:
    Form &form_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    QRect pixelRect_{0, 0, 0, 0};
    bool visible_ = true;
};

} // namespace rt
