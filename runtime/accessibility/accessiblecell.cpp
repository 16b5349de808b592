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

QString AccessibleCell::text(QAccessible::Text t) const
{
    if (t != QAccessible::Description)
        return AccessibleControl::text(t);
    return QStringLiteral("sloupec %1, řádek %2").arg(cell().x() + 1).arg(cell().y() + 1);
}

QAccessible::State AccessibleCell::state() const
{
    QAccessible::State state = AccessibleControl::state();
    state.focusable = true;
    state.focused = grid()->cursorShown() && grid()->cursor() == cell();
    return state;
}

} // namespace rt
