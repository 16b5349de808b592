#pragma once

#include "array.h"
#include "image.h"
#include "keys.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rt {

// A control array of images: one name, elements told apart by index. The
// elements that exist at design time are created with addDesignElement;
// Load(n) creates element n at run time as a hidden copy of element 0.
class ImageArray
{
public:
    explicit ImageArray(Form &form);
    ~ImageArray();

    template <typename I>
    Image &operator()(I index) { return element(detail::indexValue(index)); }

    Image &addDesignElement(int index);
    template <typename I>
    void Load(I index) { load(detail::indexValue(index)); }

    bool exists(long long index) const
    {
        return index >= 0 && index < static_cast<long long>(elements_.size()) && elements_[index];
    }
    int upperBound() const { return static_cast<int>(elements_.size()) - 1; }

    void onMouseDown(MouseHandler handler);
    void onMouseUp(MouseHandler handler);
    void onClick(ClickHandler handler);

    // Lets the keyboard play the elements that lie as a grid of columns and
    // rows: elementAt gives the element in a column and a row, counted from
    // 0, and each of keys stands for a mouse button on the element under the
    // keyboard's cursor. A screen reader reads the grid as a table of that name.
    void playByKeyboard(const std::string &name, int columns, int rows,
                        const std::function<int(int column, int row)> &elementAt, std::vector<KeyPress> keys);
    KeyboardGrid *keyboardGrid() const { return grid_.get(); }

private:
    Image &element(long long index)
    {
        if (!exists(index))
            missingElement();
        return *elements_[index];
    }
    [[noreturn]] static void missingElement();
    void load(long long index);
    Image &create(long long index);

    Form &form_;
    std::vector<std::unique_ptr<Image>> elements_;
    // One set for the whole family: every element reports to the same procedures.
    std::shared_ptr<Image::Handlers> handlers_ = std::make_shared<Image::Handlers>();
    std::unique_ptr<KeyboardGrid> grid_;
};

} // namespace rt
