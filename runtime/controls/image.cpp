#include "image.h"

#include "controlobserver.h"
#include "formwindow.h"
#include "keyboardgrid.h"

#include <QPainter>
#include <QImage>

namespace rt {

Image::Image(Form &form, int index) : GraphicControl(form), index_(index) {}

void Image::setPicture(const Picture &picture)
{
    const bool samePicture = picture.Handle() == picture_.Handle();
    const Spoken previous = picture_.spoken();
    picture_ = picture;
    // An image that does not stretch takes the size of its picture.
    if (!picture_.isNull() && (Width() != picture_.pixelWidth() * 15 || Height() != picture_.pixelHeight() * 15))
        Move(Left(), Top(), picture_.pixelWidth() * 15, picture_.pixelHeight() * 15);
    else if (!samePicture)
        repaint();
    // A window tells screen readers nothing before it is shown: it is being laid out.
    if (!samePicture && formWindow()->isVisible())
        ControlObserver::tell(&ControlObserver::pictureShown, *this, previous);
}

void Image::setHandlers(std::shared_ptr<const Handlers> handlers)
{
    handlers_ = std::move(handlers);
}

void Image::setAccessKeys(std::initializer_list<int> keyCodes)
{
    for (int keyCode : keyCodes)
        formWindow()->addAccessKey(keyCode, this);
}

void Image::setAccessibleName(const std::string &name)
{
    ControlObserver::tell(&ControlObserver::nameGiven, *this, name);
}

void Image::copyFrom(const Image &other)
{
    picture_ = other.picture_;
    copyPlacement(other);
}

void Image::paint(QPainter &painter) const
{
    if (!picture_.isNull())
        painter.drawImage(pixelRect().topLeft(), picture_.image());
}

void Image::mousePressed(int button, int shift, float x, float y)
{
    if (button == LeftButton)
        clickPending_ = true;
    if (handlers_ && handlers_->grid)
        handlers_->grid->pressed(index_);
    if (handlers_ && handlers_->mouseDown)
        handlers_->mouseDown(index_, button, shift, x, y);
}

// Click is a press and a release of the left button over the image.
void Image::mouseReleased(int button, int shift, float x, float y, bool inside)
{
    if (handlers_ && handlers_->mouseUp)
        handlers_->mouseUp(index_, button, shift, x, y);
    if (button == LeftButton && clickPending_) {
        clickPending_ = false;
        if (inside && handlers_ && handlers_->click)
            handlers_->click(index_);
    }
}

} // namespace rt
