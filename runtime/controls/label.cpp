#include "label.h"

#include "controlobserver.h"
#include "formwindow.h"
#include "pixelfont.h"

#include <QPainter>

#include <utility>

namespace rt {

Label::Label(Form &form) : GraphicControl(form) {}

void Label::setCaption(const std::string &caption)
{
    if (caption == caption_)
        return;
    const std::string previous = std::exchange(caption_, caption);
    repaint();
    if (formWindow()->isVisible())
        ControlObserver::tell(&ControlObserver::captionChanged, *this, previous);
}

void Label::setBackColor(Color color)
{
    backColor_ = color;
    repaint();
}

void Label::setForeColor(Color color)
{
    foreColor_ = color;
    repaint();
}

void Label::paint(QPainter &painter) const
{
    const QRect area = pixelRect();
    painter.fillRect(area, toQColor(backColor_));
    painter.save();
    painter.setClipRect(area);
    PixelFont::standard().draw(painter, area.topLeft(), QString::fromStdString(caption_), toQColor(foreColor_));
    painter.restore();
}

} // namespace rt
