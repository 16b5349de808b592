#pragma once

#include "accessibleleaf.h"

namespace rt {

class FormWindow;

// What a window announces, as a notification that shows while it holds: a
// screen reader reads a notification as it appears, wherever its focus is.
class AccessibleAnnouncement : public AccessibleLeaf
{
public:
    explicit AccessibleAnnouncement(FormWindow *window) : window_(window) {}

    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    FormWindow *window_;
};

} // namespace rt
