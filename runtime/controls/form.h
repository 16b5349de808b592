#pragma once

#include "checked.h"
#include "picture.h"

#include <memory>
#include <string>

class QWidget;

namespace rt {

class FormWindow;
class WindowedControl;

// A window of fixed size with a thin fixed border, a title bar, a minimize
// button and no maximize button. Width and Height are the outer size in
// twips, the design frame included: 45 twips at the left, right and bottom
// and 330 at the top, so the client area is 90 twips narrower and 375 lower.
class Form
{
public:
    Form();
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    static constexpr float frameWidth = 90;
    static constexpr float frameHeight = 375;

    float Width() const { return width_; }
    float Height() const { return height_; }
    template <typename V> void setWidth(V twips) { setOuterSize(Single(twips), height_); }
    template <typename V> void setHeight(V twips) { setOuterSize(width_, Single(twips)); }

    void setCaption(const std::string &caption);
    void setIcon(const Picture &icon);
    // A key that screen readers are told of when it goes down: its text,
    // then the window's labels as they read after it.
    void setSpokenKey(int keyCode, const std::string &text);

    // Raises Form_Load; the program then shows the window.
    void Load();
    void Show();

    QWidget *window() const;
    FormWindow *formWindow() const;
    // A docked control follows the size of the client area.
    void dock(WindowedControl *control);

    // The window's events; the runtime delivers them.
    virtual void Form_Load() {}
    virtual void Form_KeyDown(Integer keyCode, Integer shift);

private:
    void setOuterSize(float width, float height);

    std::unique_ptr<FormWindow> window_;
    WindowedControl *docked_ = nullptr;
    float width_ = 0;
    float height_ = 0;
};

} // namespace rt
