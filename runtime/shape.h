#pragma once

#include "control.h"
#include "style.h"

namespace rt {

class ShapeWidget;

// A rectangle with a solid 1-pixel border and a transparent inside.
class Shape : public Control
{
public:
    explicit Shape(Form &form);

    void setBorderColor(Color color);

private:
    ShapeWidget *shapeWidget() const;
};

} // namespace rt
