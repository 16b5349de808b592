#include "accessiblecell.h"

#include "image.h"
#include "keyboardgrid.h"

namespace rt {

AccessibleCell::AccessibleCell(Image *image) : AccessibleControl(image), index_(image->index()) {}

KeyboardGrid *AccessibleCell::grid() const
{
    return static_cast<Image *>(control())->keyboardGrid();
}

QPoint AccessibleCell::cell() const
{
    return grid()->cellOf(index_);
}

QAccessibleInterface *AccessibleCell::parent() const
{
    return QAccessible::queryAccessibleInterface(grid());
}

QAccessible::State AccessibleCell::state() const
{
    QAccessible::State state = AccessibleControl::state();
    state.focusable = true;
    state.focused = grid()->cursorShown() && grid()->cursor() == cell();
    return state;
}

void *AccessibleCell::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
}

} // namespace rt
