#include "accessiblecontrol.h"

#include "accessibility.h"
#include "formwindow.h"
#include "image.h"
#include "label.h"
#include "mouse.h"

namespace rt {

namespace {

const Image *asImage(const GraphicControl *control) { return dynamic_cast<const Image *>(control); }
const Label *asLabel(const GraphicControl *control) { return dynamic_cast<const Label *>(control); }

} // namespace

bool AccessibleControl::speaks(const GraphicControl &control)
{
    if (!control.Visible())
        return false;
    if (asLabel(&control))
        return true;
    const Image *image = asImage(&control);
    return image && !image->keyboardGrid()
        && (!accessibleName(*image).empty() || !image->picture().spoken().name.empty());
}

bool AccessibleControl::isButton() const
{
    const Image *image = asImage(control_);
    return image && !accessibleName(*image).empty();
}

QWindow *AccessibleControl::window() const
{
    return control_->formWindow()->windowHandle();
}

QAccessibleInterface *AccessibleControl::parent() const
{
    return QAccessible::queryAccessibleInterface(control_->formWindow());
}

QString AccessibleControl::text(QAccessible::Text t) const
{
    if (const Label *label = asLabel(control_))
        return t == QAccessible::Name ? QString::fromStdString(label->Caption()) : QString();
    const Image *image = asImage(control_);
    if (!image)
        return {};
    const std::string_view name = image->picture().spoken().name;
    const QString spoken = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (isButton())
        return t == QAccessible::Name ? QString::fromStdString(accessibleName(*image))
            : t == QAccessible::Description ? spoken : QString();
    return t == QAccessible::Name ? spoken : QString();
}

QRect AccessibleControl::rect() const
{
    const QRect area = control_->pixelRect();
    return QRect(control_->formWindow()->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role AccessibleControl::role() const
{
    return asLabel(control_) ? QAccessible::StaticText : isButton() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State AccessibleControl::state() const
{
    QAccessible::State state;
    state.invisible = !control_->Visible();
    return state;
}

void *AccessibleControl::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface && isButton() ? static_cast<QAccessibleActionInterface *>(this)
                                                              : nullptr;
}

QStringList AccessibleControl::actionNames() const
{
    return isButton() ? QStringList{pressAction()} : QStringList();
}

// A press and a release of the left button in the middle of the button.
void AccessibleControl::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !isButton())
        return;
    control_->pressInMiddle(LeftButton, 0);
    control_->releaseInMiddle(LeftButton, 0);
}

} // namespace rt
