#pragma once

#include "windowedcontrol.h"

#include <functional>
#include <string>

namespace rt {

class CheckBoxWidget;

// A check box with its caption to the right of the box. Click comes on every
// toggle by the user, by mouse or by the space bar, with the new Value
// already in place.
class CheckBox : public WindowedControl
{
public:
    explicit CheckBox(Form &form);

    int Value() const;
    void setValue(int value);
    void setCaption(const std::string &caption);
    // Lets the check box take the keyboard focus, as the window's only such control.
    void setTabStop(bool tabStop);

    void onClick(std::function<void()> handler);
    // What a click does, as screen readers are told it after the click, with
    // the window's labels as they then read.
    void setSpokenClick(const std::string &text) { spokenClick_ = text; }

private:
    CheckBoxWidget *checkBox() const;

    std::function<void()> click_;
    std::string spokenClick_;
};

} // namespace rt
