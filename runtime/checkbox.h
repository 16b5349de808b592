#pragma once

#include "control.h"
#include "style.h"

#include <functional>
#include <string>

class QCheckBox;

namespace rt {

// A check box. Click comes on every toggle by the user, by mouse or by the
// space bar, with the new Value already in place.
class CheckBox : public Control
{
public:
    explicit CheckBox(Form &form);

    int Value() const;
    void setValue(int value);
    void setCaption(const std::string &caption);
    void setFont(const Font &font);
    // Lets the check box take the keyboard focus, as the window's only such control.
    void setTabStop(bool tabStop);

    void onClick(std::function<void()> handler);

private:
    QCheckBox *checkBox() const;

    std::function<void()> click_;
};

} // namespace rt
