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
    std::vector<std::pair<QRect, QAccessibleInterface *>> placed;
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !child->isHidden())
            placed.emplace_back(child->geometry(), QAccessible::queryAccessibleInterface(child));
    }
    for (GraphicControl *control : formWindow()->graphics())
        if (AccessibleControl::speaks(*control))
            placed.emplace_back(control->pixelRect(), accessibleControl(*control));
    // Row by row, each row from the left; a control that reaches down into
    // a row's height lies in that row.
    std::stable_sort(placed.begin(), placed.end(), [](const auto &a, const auto &b) { return a.first.top() < b.first.top(); });
    for (auto row = placed.begin(); row != placed.end();) {
        int bottom = row->first.bottom();
        auto end = std::next(row);
        for (; end != placed.end() && end->first.top() <= bottom; ++end)
            bottom = std::max(bottom, end->first.bottom());
        std::stable_sort(row, end, [](const auto &a, const auto &b) { return a.first.left() < b.first.left(); });
        row = end;
    }
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
