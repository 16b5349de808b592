#include "imagearray.h"

#include "form.h"
#include "formwindow.h"

namespace rt {

namespace {

constexpr long long maxIndex = 32767;

} // namespace

ImageArray::ImageArray(Form &form) : form_(form) {}

void ImageArray::missingElement()
{
    raiseRuntimeError(ErrControlArrayElementMissing, "Prvek pole ovládacích prvků neexistuje");
}

Image &ImageArray::create(long long index)
{
    if (index < 0 || index > maxIndex)
        subscriptError();
    if (exists(index))
        raiseRuntimeError(ErrControlArrayElementExists, "Objekt je už načten");
    if (index >= static_cast<long long>(elements_.size()))
        elements_.resize(index + 1);
    elements_[index] = std::make_unique<Image>(form_, static_cast<int>(index));
    elements_[index]->setHandlers(handlers_);
    return *elements_[index];
}

Image &ImageArray::addDesignElement(int index)
{
    return create(index);
}

void ImageArray::load(long long index)
{
    const Image &templateImage = element(0);
    Image &image = create(index);
    image.setVisible(false);
    image.copyFrom(templateImage);
    // The family keeps the layer of its design-time element.
    form_.formWindow()->stackAbove(&image, &templateImage);
}

void ImageArray::onMouseDown(MouseHandler handler)
{
    handlers_->mouseDown = std::move(handler);
}

void ImageArray::onMouseUp(MouseHandler handler)
{
    handlers_->mouseUp = std::move(handler);
}

void ImageArray::onClick(ClickHandler handler)
{
    handlers_->click = std::move(handler);
}

} // namespace rt
