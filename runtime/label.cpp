#include "label.h"

#include "pixelfont.h"

#include <QPainter>
#include <QWidget>

namespace rt {

class LabelWidget : public QWidget
{
public:
    LabelWidget()
    {
        // The background is painted whole, so nothing beneath needs repainting.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void setText(const QString &text)
    {
        if (text == text_)
            return;
        text_ = text;
        update();
    }

    void setColors(const QColor &back, const QColor &fore)
    {
        back_ = back;
        fore_ = fore;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), back_);
        PixelFont::standard().draw(painter, QPoint(0, 0), text_, fore_);
    }

private:
    QString text_;
    QColor back_ = QColor(192, 192, 192);
    QColor fore_ = Qt::black;
};

Label::Label(Form &form) : Control(form, new LabelWidget) {}

LabelWidget *Label::labelWidget() const
{
    return static_cast<LabelWidget *>(widget());
}

void Label::setCaption(const std::string &caption)
{
    caption_ = caption;
    labelWidget()->setText(QString::fromStdString(caption));
}

void Label::setBackColor(Color color)
{
    backColor_ = color;
    labelWidget()->setColors(toQColor(backColor_), toQColor(foreColor_));
}

void Label::setForeColor(Color color)
{
    foreColor_ = color;
    labelWidget()->setColors(toQColor(backColor_), toQColor(foreColor_));
}

} // namespace rt
