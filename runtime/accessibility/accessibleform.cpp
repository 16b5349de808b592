#include "accessibleform.h"

#include "accessibility.h"
#include "accessiblecontrol.h"
#include "formwindow.h"
#include "graphiccontrol.h"

#include <algorithm>

namespace rt {

AccessibleForm::AccessibleForm(FormWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

FormWindow *AccessibleForm::formWindow() const
{
    return static_cast<FormWindow *>(widget());
}

std::vector<QAccessibleInterface *> AccessibleForm::children() const
{
    // Row by row, each row from the left: controls whose heights overlap lie
    // in one row. They are so few that each is simply put in its place.
    std::vector<std::pair<QRect, QAccessibleInterface *>> placed;
    const auto place = [&](const QRect &rect, QAccessibleInterface *child) {
        auto at = placed.begin();
        while (at != placed.end() && rect.bottom() >= at->first.top()
               && (rect.top() > at->first.bottom() || rect.left() >= at->first.left()))
            ++at;
        placed.emplace(at, rect, child);
    };
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !child->isHidden())
            place(child->geometry(), QAccessible::queryAccessibleInterface(child));
    }
    for (GraphicControl *control : formWindow()->graphics())
        if (AccessibleControl::speaks(*control))
            place(control->pixelRect(), accessibleControl(*control));
    std::vector<QAccessibleInterface *> children;
    for (const auto &[rect, child] : placed)
        children.push_back(child);
    children.push_back(accessibleAnnouncement(*formWindow()));
    return children;
}

int AccessibleForm::childCount() const
{
    return int(children().size());
}

QAccessibleInterface *AccessibleForm::child(int index) const
{
    const std::vector<QAccessibleInterface *> all = children();
    return index >= 0 && index < int(all.size()) ? all[std::size_t(index)] : nullptr;
}

int AccessibleForm::indexOfChild(const QAccessibleInterface *child) const
{
    const std::vector<QAccessibleInterface *> all = children();
    const auto at = std::find(all.begin(), all.end(), child);
    return at == all.end() ? -1 : int(at - all.begin());
}

QAccessibleInterface *AccessibleForm::childAt(int x, int y) const
{
    for (QAccessibleInterface *child : children())
        if (!child->state().invisible && child->rect().contains(x, y))
            return child;
    return nullptr;
}

} // namespace rt
