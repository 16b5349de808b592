#include "accessiblegrid.h"

#include "accessibility.h"
#include "accessiblecell.h"
#include "image.h"
#include "keyboardgrid.h"

namespace rt {

AccessibleGrid::AccessibleGrid(KeyboardGrid *grid) : QAccessibleWidget(grid, QAccessible::Grouping) {}

KeyboardGrid *AccessibleGrid::grid() const
{
    return static_cast<KeyboardGrid *>(widget());
}

QString AccessibleGrid::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? grid()->name() : QAccessibleWidget::text(t);
}

int AccessibleGrid::childCount() const
{
    return grid()->rows() * grid()->columns();
}

// The cells in reading order: row by row, each from the left.
QAccessibleInterface *AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / grid()->columns(), index % grid()->columns());
}

QAccessibleInterface *AccessibleGrid::cellAt(int row, int column) const
{
    Image *image = grid()->imageAt(QPoint(column, row));
    return image ? accessibleControl(*image) : nullptr;
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = dynamic_cast<const AccessibleCell *>(child);
    if (!cell || cell->parent() != this)
        return -1;
    return cell->cell().y() * grid()->columns() + cell->cell().x();
}

QAccessibleInterface *AccessibleGrid::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index)
        if (QAccessibleInterface *cell = child(index); cell && cell->rect().contains(x, y))
            return cell;
    return nullptr;
}

QAccessibleInterface *AccessibleGrid::focusChild() const
{
    const QPoint cursor = grid()->cursor();
    return grid()->cursorShown() ? cellAt(cursor.y(), cursor.x()) : nullptr;
}

} // namespace rt
