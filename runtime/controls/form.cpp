#include "form.h"

#include "formwindow.h"
#include "messagebox.h"
#include "toolkit.h"
#include "windowedcontrol.h"
#include "windowstateguard.h"

#include <QIcon>

namespace rt {

Form::Form()
{
    initializeToolkit();
    window_ = std::make_unique<FormWindow>(*this);
    new WindowStateGuard(window_.get());
}

Form::~Form() = default;

QWidget *Form::window() const
{
    return window_.get();
}

FormWindow *Form::formWindow() const
{
    return window_.get();
}

void Form::Form_KeyDown(Integer, Integer) {}

void Form::setCaption(const std::string &caption)
{
    window_->setWindowTitle(QString::fromStdString(caption));
    setProgramTitle(caption);
}

void Form::setIcon(const Picture &icon)
{
    window_->setWindowIcon(QIcon(icon.pixmap()));
}

void Form::setSpokenKey(int keyCode, const std::string &text)
{
    window_->addSpokenKey(keyCode, text);
}

void Form::Load()
{
    Form_Load();
}

void Form::Show()
{
    window_->show();
    // The window's first control that takes the focus has it from the start;
    // a window without one takes the keyboard itself.
    QWidget *first = window_->nextInFocusChain();
    while (first && first != window_.get() && !(first->focusPolicy() & Qt::TabFocus))
        first = first->nextInFocusChain();
    if (first && first != window_.get())
        first->setFocus();
    else
        window_->setFocus();
}

void Form::dock(WindowedControl *control)
{
    docked_ = control;
}

void Form::setOuterSize(float width, float height)
{
    width_ = width;
    height_ = height;
    const int clientWidth = Control::pixelsFromTwips(width - frameWidth);
    const int clientHeight = Control::pixelsFromTwips(height - frameHeight);
    window_->setFixedSize(qMax(clientWidth, 1), qMax(clientHeight, 1));
    if (docked_)
        docked_->clientResized(clientWidth, clientHeight);
}

} // namespace rt
