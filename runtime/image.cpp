#include "image.h"

#include "imagewidget.h"
#include "inputcodes.h"

#include <QMouseEvent>
#include <QPainter>

namespace rt {

ImageWidget::ImageWidget(Image &image) : image_(image) {}

void ImageWidget::setPixmap(const QPixmap *pixmap)
{
    pixmap_ = pixmap;
    update();
}

void ImageWidget::paintEvent(QPaintEvent *)
{
    if (!pixmap_ || pixmap_->isNull())
        return;
    QPainter painter(this);
    // Each picture pixel becomes a whole block of screen pixels: no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QRect(QPoint(0, 0), pixmap_->size()), *pixmap_);
}

void ImageWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    pressedButtons_ |= event->button();
    if (button == LeftButton)
        clickPending_ = true;
    const QPointF at = event->position();
    image_.raiseMouseDown(button, shiftCode(event->modifiers()), at.x() * 15, at.y() * 15);
}

// The second press of a quick double click is a press like any other. Qt
// reports it as a double click, on some paths after a press of its own.
void ImageWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->buttons() & pressedButtons_ & event->button()) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

void ImageWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    pressedButtons_ &= ~event->button();
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    const QPointF at = event->position();
    image_.raiseMouseUp(button, shiftCode(event->modifiers()), at.x() * 15, at.y() * 15);
    if (button == LeftButton && clickPending_) {
        clickPending_ = false;
        if (rect().contains(at.toPoint()))
            image_.raiseClick();
    }
}

Image::Image(Form &form, int index)
    : Control(form, new ImageWidget(*this)), index_(index)
{
}

ImageWidget *Image::imageWidget() const
{
    return static_cast<ImageWidget *>(widget());
}

void Image::setPicture(const Picture &picture)
{
    picture_ = picture;
    imageWidget()->setPixmap(&picture_.pixmap());
    // An image that does not stretch takes the size of its picture.
    if (!picture_.isNull()) {
        setWidth(picture_.pixelWidth() * 15);
        setHeight(picture_.pixelHeight() * 15);
    }
}

void Image::setHandlers(std::shared_ptr<const Handlers> handlers)
{
    handlers_ = std::move(handlers);
}

void Image::raiseMouseDown(int button, int shift, float x, float y)
{
    if (handlers_ && handlers_->mouseDown)
        handlers_->mouseDown(index_, button, shift, x, y);
}

void Image::raiseMouseUp(int button, int shift, float x, float y)
{
    if (handlers_ && handlers_->mouseUp)
        handlers_->mouseUp(index_, button, shift, x, y);
}

void Image::raiseClick()
{
    if (handlers_ && handlers_->click)
        handlers_->click(index_);
}

void Image::copyFrom(const Image &other)
{
    setPicture(other.picture_);
    copyPlacementFrom(other);
    handlers_ = other.handlers_;
}

} // namespace rt
