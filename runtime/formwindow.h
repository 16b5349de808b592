#pragma once

#include <QWidget>

namespace rt {

class Form;

// The top-level widget of a Form: its client area. Passes the keyboard to
// the form as virtual-key codes.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(Form &form);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Form &form_;
};

} // namespace rt
