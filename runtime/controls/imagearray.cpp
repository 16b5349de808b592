#include "imagearray.h"

#include "form.h"
#include "formwindow.h"
#include "keyboardgrid.h"

namespace rt {

namespace {

constexpr long long maxIndex = 32767;

} // namespace

ImageArray::ImageArray(Form &form) : form_(form) {}

ImageArray::~ImageArray() = default;

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

void ImageArray::playByKeyboard(const std::string &name, int columns, int rows,
                                const std::function<int(int, int)> &elementAt, std::vector<KeyPress> keys)
{
    grid_ = std::make_unique<KeyboardGrid>(QString::fromStdString(name), *this, columns, rows, elementAt,
                                           std::move(keys), form_.window());
    handlers_->grid = grid_.get();
}

} // namespace rt
