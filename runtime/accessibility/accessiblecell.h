#pragma once

#include "accessiblecontrol.h"

#include <QPoint>

namespace rt {

class Image;
class KeyboardGrid;

// An image of a keyboard grid as a cell of the grid, named by what its
// picture shows and described by where it lies; the cell under the
// keyboard's cursor has the focus.
class AccessibleCell : public AccessibleControl
{
public:
    explicit AccessibleCell(Image *image);

    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType) override { return nullptr; }

    QPoint cell() const;

private:
    KeyboardGrid *grid() const;

    int index_;
};

} // namespace rt
