#include "checkbox.h"

#include "controlobserver.h"
#include "form.h"
#include "formwindow.h"
#include "pixelfont.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyleOptionButton>

namespace rt {

// The box is the style's own; the caption is drawn in the pixel font.
class CheckBoxWidget : public QAbstractButton
{
public:
    CheckBoxWidget() { setCheckable(true); }

protected:
    // Narrower than the style's own: small fixed windows need the room.
    static constexpr int captionGap = 4;

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOptionButton box;
        box.initFrom(this);
        const int size = style()->pixelMetric(QStyle::PM_IndicatorWidth, &box, this);
        box.rect = QRect(0, (height() - size) / 2, size, size);
        box.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
        if (isDown())
            box.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, this);

        const PixelFont &font = PixelFont::standard();
        const QPoint at(size + captionGap, (height() - font.height()) / 2);
        font.draw(painter, at, text(), palette().color(QPalette::WindowText));
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRect(at.x() - 1, at.y(), font.textWidth(text()) + 2, font.height());
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

CheckBox::CheckBox(Form &form) : WindowedControl(form, new CheckBoxWidget)
{
    // clicked() is emitted for user toggles only, after the state has changed.
    QObject::connect(checkBox(), &QAbstractButton::clicked, [this] {
        if (!click_)
            return;
        FormWindow &window = *this->form().formWindow();
        const ControlObserver *observer = spokenClick_.empty() ? nullptr : ControlObserver::current();
        if (observer)
            observer->keyPressed(window, nullptr, spokenClick_);
        click_();
        if (observer)
            observer->keyDone(window);
    });
}

CheckBoxWidget *CheckBox::checkBox() const
{
    return static_cast<CheckBoxWidget *>(widget());
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

void CheckBox::setTabStop(bool tabStop)
{
    checkBox()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void CheckBox::onClick(std::function<void()> handler)
{
    click_ = std::move(handler);
}

} // namespace rt
