#pragma once

#include "control.h"
#include "style.h"

#include <string>

namespace rt {

class LabelWidget;

// Text on an opaque background, left-aligned at the top, at a fixed size:
// the label does not grow with its caption. The text is drawn in the
// programs' own pixel font.
class Label : public Control
{
public:
    explicit Label(Form &form);

    const std::string &Caption() const { return caption_; }
    void setCaption(const std::string &caption);
    void setBackColor(Color color);
    void setForeColor(Color color);

private:
    LabelWidget *labelWidget() const;

    std::string caption_;
    Color backColor_ = RGB(192, 192, 192);
    Color foreColor_ = RGB(0, 0, 0);
};

} // namespace rt
