#pragma once

#include "graphiccontrol.h"
#include "style.h"

namespace rt {

// A rectangle with a solid 1-pixel border and a transparent inside.
class Shape : public GraphicControl
{
public:
    explicit Shape(Form &form);

    void setBorderColor(Color color);

    void paint(QPainter &painter) const override;

private:
    Color borderColor_ = RGB(0, 0, 0);
};

} // namespace rt
