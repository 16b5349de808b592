#include "checkbox.h"

#include <QCheckBox>

namespace rt {

CheckBox::CheckBox(Form &form) : Control(form, new QCheckBox)
{
    // clicked() is emitted for user toggles only, after the state has changed.
    QObject::connect(checkBox(), &QCheckBox::clicked, [this] {
        if (click_)
            click_();
    });
}

QCheckBox *CheckBox::checkBox() const
{
    return static_cast<QCheckBox *>(widget());
}

int CheckBox::Value() const
{
    return checkBox()->isChecked() ? 1 : 0;
}

void CheckBox::setValue(int value)
{
    checkBox()->setChecked(value == 1);
}

void CheckBox::setCaption(const std::string &caption)
{
    checkBox()->setText(QString::fromStdString(caption));
}

void CheckBox::setFont(const Font &font)
{
    checkBox()->setFont(toQFont(font));
}

void CheckBox::setTabStop(bool tabStop)
{
    checkBox()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void CheckBox::onClick(std::function<void()> handler)
{
    click_ = std::move(handler);
}

} // namespace rt
