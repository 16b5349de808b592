#pragma once

#include "graphiccontrol.h"
#include "style.h"

#include <string>

namespace rt {

// Text on an opaque background, left-aligned at the top, at a fixed size:
// the label does not grow with its caption. The text is drawn in the
// programs' own pixel font.
class Label : public GraphicControl
{
public:
    explicit Label(Form &form);

    const std::string &Caption() const { return caption_; }
    void setCaption(const std::string &caption);
    void setBackColor(Color color);
    void setForeColor(Color color);

    void paint(QPainter &painter) const override;

private:
    std::string caption_;
    Color backColor_ = RGB(192, 192, 192);
    Color foreColor_ = RGB(0, 0, 0);
};

} // namespace rt
