#include "shape.h"

#include <QPainter>
#include <QWidget>

namespace rt {

class ShapeWidget : public QWidget
{
public:
    ShapeWidget() { setAttribute(Qt::WA_TransparentForMouseEvents); }

    void setBorderColor(const QColor &color)
    {
        borderColor_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(borderColor_);
        const int w = width();
        const int h = height();
        painter.drawRect(0, 0, w, 1);
        painter.drawRect(0, h - 1, w, 1);
        painter.drawRect(0, 0, 1, h);
        painter.drawRect(w - 1, 0, 1, h);
    }

private:
    QColor borderColor_ = Qt::black;
};

Shape::Shape(Form &form) : Control(form, new ShapeWidget) {}

ShapeWidget *Shape::shapeWidget() const
{
    return static_cast<ShapeWidget *>(widget());
}

void Shape::setBorderColor(Color color)
{
    shapeWidget()->setBorderColor(toQColor(color));
}

} // namespace rt
