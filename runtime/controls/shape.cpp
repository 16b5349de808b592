#include "shape.h"

#include <QPainter>

namespace rt {

Shape::Shape(Form &form) : GraphicControl(form) {}

void Shape::setBorderColor(Color color)
{
    borderColor_ = color;
    repaint();
}

void Shape::paint(QPainter &painter) const
{
    const QRect r = pixelRect();
    const QColor color = toQColor(borderColor_);
    painter.fillRect(r.left(), r.top(), r.width(), 1, color);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    painter.fillRect(r.left(), r.top(), 1, r.height(), color);
    painter.fillRect(r.right(), r.top(), 1, r.height(), color);
}

} // namespace rt
