#pragma once

#include "control.h"

class QWidget;

namespace rt {

// A control with a window of its own (a check box, a status bar): it can take
// the keyboard focus and always lies above the window's graphic controls.
class WindowedControl : public Control
{
public:
    ~WindowedControl() override;

    QWidget *widget() const { return widget_; }
    void ZOrder(int position = 0) override;
    // Called by a window that has the control docked when its client area
    // changes size.
    virtual void clientResized(int /*clientWidthPixels*/, int /*clientHeightPixels*/) {}

protected:
    WindowedControl(Form &form, QWidget *widget);
    void placed(const QRect &was) override;

private:
    QWidget *widget_;
};

} // namespace rt
