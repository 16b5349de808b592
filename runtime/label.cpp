#include "label.h"

#include <QLabel>

namespace rt {

Label::Label(Form &form) : Control(form, new QLabel)
{
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label()->setMargin(0);
    label()->setIndent(0);
    label()->setAutoFillBackground(true);
    applyColors();
}

QLabel *Label::label() const
{
    return static_cast<QLabel *>(widget());
}

void Label::setCaption(const std::string &caption)
{
    caption_ = caption;
    label()->setText(QString::fromStdString(caption));
}

void Label::setBackColor(Color color)
{
    backColor_ = color;
    applyColors();
}

void Label::setForeColor(Color color)
{
    foreColor_ = color;
    applyColors();
}

void Label::setFont(const Font &font)
{
    label()->setFont(toQFont(font));
}

void Label::applyColors()
{
    QPalette palette = label()->palette();
    palette.setColor(QPalette::Window, toQColor(backColor_));
    palette.setColor(QPalette::WindowText, toQColor(foreColor_));
    label()->setPalette(palette);
}

} // namespace rt
