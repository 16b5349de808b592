#pragma once

#include "checked.h"

class QWidget;

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

    template <typename V> void setLeft(V twips) { setLeftTwips(Single(twips)); }
    template <typename V> void setTop(V twips) { setTopTwips(Single(twips)); }
    template <typename V> void setWidth(V twips) { setWidthTwips(Single(twips)); }
    template <typename V> void setHeight(V twips) { setHeightTwips(Single(twips)); }
    void setVisible(bool visible);
    void Move(float left, float top, float width, float height);
    // 0 brings the control in front of the window's other controls, 1 sends
    // it behind them.
    void ZOrder(int position = 0);

    Form &form() const { return form_; }
    QWidget *widget() const { return widget_; }

    static int pixelsFromTwips(float twips);

protected:
    Control(Form &form, QWidget *widget);
    // Makes this control a run-time copy of another of its kind.
    void copyPlacementFrom(const Control &other);

private:
    void setLeftTwips(float twips);
    void setTopTwips(float twips);
    void setWidthTwips(float twips);
    void setHeightTwips(float twips);
    void place();

    Form &form_;
    QWidget *widget_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    bool visible_ = true;
};

} // namespace rt
