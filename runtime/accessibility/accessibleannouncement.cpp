#include "accessibleannouncement.h"

#include "accessibility.h"
#include "formwindow.h"

namespace rt {

QWindow *AccessibleAnnouncement::window() const
{
    return window_->windowHandle();
}

QAccessibleInterface *AccessibleAnnouncement::parent() const
{
    return QAccessible::queryAccessibleInterface(window_);
}

QString AccessibleAnnouncement::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? QString::fromStdString(announcement(*window_)) : QString();
}

// It has no place of its own on screen.
QRect AccessibleAnnouncement::rect() const
{
    return {};
}

QAccessible::State AccessibleAnnouncement::state() const
{
    QAccessible::State state;
    state.invisible = announcement(*window_).empty();
    return state;
}

} // namespace rt
